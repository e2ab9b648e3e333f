#!/usr/bin/env bash
# One version everywhere: both programs' --version, the AppStream release and the changelog all
# name the project's version.
set -uo pipefail
version=$1 source=$2 cli=$3 gui=$4
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[[ $("$cli" --version) == "Plecta $version" ]] || fail "plecta-cli --version says «$("$cli" --version)»"
# No display at all: the window program must answer before it needs one.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$gui" --version 2>&1)
[[ $? == 0 && $out == "Plecta $version" ]] || fail "plecta --version says «$out»"
# A version written to a full disk is a failure, not a success.
"$cli" --version > /dev/full 2>/dev/null && fail "plecta-cli --version > /dev/full exits 0"
"$gui" --version > /dev/full 2>/dev/null && fail "plecta --version > /dev/full exits 0"
"$cli" --version extra >/dev/null 2>&1; [[ $? == 2 ]] || fail "plecta-cli --version extra is not refused with status 2"

release=$(grep -o -m1 '<release version="[^"]*"' "$source/resources/desktop/cat.plecta.Plecta.metainfo.xml")
[[ $release == "<release version=\"$version\"" ]] || fail "the newest AppStream release is $release, not $version"
[[ $(head -1 "$source/cmake/package/changelog") == "plecta ($version) "* ]] || fail "the changelog's newest entry is not $version"
exit $failed
