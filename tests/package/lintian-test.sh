#!/usr/bin/env bash
# lintian finds no error in the package. Its warnings are shown in the test's output.
set -euo pipefail
deb=$1
if ! command -v lintian >/dev/null; then
  echo "skipped: lintian is not installed (scripts/setup installs it)"
  exit 77
fi
lintian --fail-on error --display-info --no-tag-display-limit "$deb"
