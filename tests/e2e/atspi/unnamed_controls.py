#!/usr/bin/python3
"""Walks the AT-SPI tree of a running program, as a screen reader reads it, and prints every
control a person can act on that has no accessible name, one per line ("role path").

Usage: unnamed_controls.py PID [TIMEOUT_SECONDS]
Exit status: 0 when every control shown is named, 1 when some are not, 2 when the program's
accessible application did not appear on the bus in time.
"""

import sys
import time

import pyatspi

# Roles of the controls a person acts on: text, combo box, button, check box, list, tree,
# table, tab and menu item, in their AT-SPI forms.
ACTIONABLE = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_EDITBAR,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU,
}
# Their rows and cells are read through them: the walk does not go inside.
CONTAINERS_OF_ITEMS = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE,
                       pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE}


def find_application(pid, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went while we asked
                continue
        time.sleep(0.3)
    return None


def walk(node, path, found, seen):
    try:
        role = node.getRole()
        name = node.name or ""
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        count = node.childCount
    except Exception:
        return
    here = path + "/" + node.getRoleName().replace(" ", "_") + ("[%s]" % name if name else "")
    if role in ACTIONABLE and showing and not name.strip():
        found.append("%s %s" % (node.getRoleName(), here))
    if role in CONTAINERS_OF_ITEMS or len(seen) > 20000:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        if child is None:
            continue
        key = hash(child)
        if key in seen:
            continue
        seen.add(key)
        walk(child, here, found, seen)


def main():
    pid = int(sys.argv[1])
    timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 20.0
    app = find_application(pid, timeout)
    if app is None:
        print("no accessible application with process id %d on the bus" % pid)
        return 2
    found = []
    seen = set()
    walk(app, "", found, seen)
    print("walked %d objects" % len(seen))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
