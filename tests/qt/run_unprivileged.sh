#!/bin/sh
# Runs a test program as the unprivileged user nobody, for the cases that permission bits decide
# (they do not stop root). Exits with 77, which CTest counts as skipped, where that is not
# possible: not running as root, or a checkout that nobody may reach.
program=$1
shift
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
if ! as_nobody test -x "$program" 2>/dev/null; then
    echo "skipped: user nobody cannot run $program here"
    exit 77
fi
exec env HOME=/tmp XDG_RUNTIME_DIR= setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$program" "$@"
