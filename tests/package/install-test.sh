#!/usr/bin/env bash
# Installs the package on this machine, runs both programs from it, purges it and checks that
# nothing of it is left. Needs root; skips otherwise, and skips when a plecta package is already
# installed (that one is not this test's to remove).
set -euo pipefail
deb=$1 version=$2
if [[ $(id -u) != 0 ]] || ! command -v dpkg >/dev/null; then
  echo "skipped: installing the package needs root and dpkg"
  exit 77
fi

# One installation at a time on a shared machine.
exec 9>/run/lock/plecta-package-test.lock
flock -w 900 9
if dpkg-query -W -f='${Status}' plecta 2>/dev/null | grep -q 'ok installed'; then
  echo "skipped: a plecta package is already installed here"
  exit 77
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  dpkg-query -W plecta >/dev/null 2>&1 && dpkg --purge plecta >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

dpkg -i "$deb" > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
dpkg -L plecta | sort > "$work/files"

[[ $(/usr/bin/plecta-cli --version) == "Plecta $version" ]] || fail "plecta-cli --version"
[[ $(/usr/bin/plecta --version) == "Plecta $version" ]] || fail "plecta --version"
(cd "$work" && /usr/bin/plecta-cli document carta --date 2024-03-15 --encoding utf-8 -o carta.txt)
grep -q "de març de 2024" "$work/carta.txt" || fail "the letter has no date: $(cat "$work/carta.txt")"
if command -v man >/dev/null; then
  [[ $(man -w plecta-cli) == /usr/share/man/man1/plecta-cli.1.gz ]] || fail "man does not find plecta-cli(1)"
fi
if command -v update-mime-database >/dev/null; then
  [[ -f /usr/share/mime/application/x-plecta-form.xml ]] || fail "the saved forms' MIME type is not registered"
fi

# The window program under a private X server: still running after a few seconds.
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x800x24 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
status=0
(cd "$work" && DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb timeout 5 /usr/bin/plecta) > "$work/plecta.log" 2>&1 || status=$?
[[ $status == 124 ]] || fail "plecta ended with status $status before 5 seconds: $(cat "$work/plecta.log")"

dpkg --purge plecta > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge failed"; }
dpkg-query -W -f='${Status}' plecta 2>/dev/null | grep -q 'ok installed' && fail "still installed after the purge"
left=0
while IFS= read -r path; do
  # Directories the system shares (/usr/bin, /usr/share/man/man1...) stay; the package's own go.
  if [[ -e $path && ! -d $path ]] || [[ -d $path && $path == */plecta ]]; then
    echo "left after the purge: $path"
    left=1
  fi
done < "$work/files"
[[ ! -e /usr/share/mime/application/x-plecta-form.xml ]] || { echo "left: the MIME type"; left=1; }
if [[ -f /usr/share/applications/mimeinfo.cache ]] && grep -q cat.plecta.Plecta /usr/share/applications/mimeinfo.cache; then
  echo "left: the desktop entry in mimeinfo.cache"
  left=1
fi
((left == 0)) || fail "the purge left files behind"
echo "installed, ran and purged $(basename "$deb"): $(wc -l < "$work/files") paths"
