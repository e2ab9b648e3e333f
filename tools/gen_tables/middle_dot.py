#!/usr/bin/env python3
"""Writes the geminated l of the reference data with its middle dot: "col.lecció" becomes
"col·lecció", "Il.lm." becomes "Il·lm.".

Usage: middle_dot.py FILE...

Each file is rewritten in place (UTF-8); a file with nothing to change is left untouched. Only a
full stop between two l's that stand inside a word is replaced, so an abbreviation's own full
stop ("vol. l") stays. The table generator refuses the full-stop form, naming the file and line;
this script is the mend for data written that way.
"""

import re
import sys

# A letter, "l" or "L", a full stop, "l" or "L", a letter: [^\W\d_] is any Unicode letter.
GEMINATE = re.compile(r"(?<=[^\W\d_])([lL])\.([lL])(?=[^\W\d_])")


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: middle_dot.py FILE...")
    total = 0
    for path in sys.argv[1:]:
        with open(path, encoding="utf-8", newline="") as source:
            text = source.read()
        mended, count = GEMINATE.subn("\\1\u00b7\\2", text)
        if count:
            with open(path, "w", encoding="utf-8", newline="") as out:
                out.write(mended)
            print(f"{path}: {count}")
        total += count
    print(f"middle_dot: {total} geminated l written with the middle dot")


if __name__ == "__main__":
    main()
