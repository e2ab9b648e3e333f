#!/usr/bin/env bash
# The saved forms' MIME type: shared-mime-info reads the declaration without a complaint and maps
# *.plecta to it, and the desktop entry opens that type.
set -uo pipefail
source=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
if ! command -v update-mime-database >/dev/null; then
  echo "skipped: shared-mime-info is not installed"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mime=$work/mime
mkdir -p "$mime/packages"
cp "$source/resources/desktop/cat.plecta.Plecta.mime.xml" "$mime/packages/cat.plecta.Plecta.xml"
complaints=$(XDG_DATA_HOME=$work update-mime-database "$mime" 2>&1)
[[ -z $complaints ]] || fail "update-mime-database: $complaints"
grep -qx '50:application/x-plecta-form:\*.plecta' "$mime/globs2" || fail "*.plecta is not mapped: $(cat "$mime/globs2")"
grep -q 'application/x-plecta-form application/json' "$mime/subclasses" || fail "not a kind of JSON"
grep -qx 'MimeType=application/x-plecta-form;' "$source/resources/desktop/cat.plecta.Plecta.desktop" ||
  fail "the desktop entry does not declare application/x-plecta-form"
exit $failed
