#!/bin/sh
# Runs a test program as the unprivileged user nobody, for the cases that permission bits decide
# (they do not stop root). Where nobody cannot reach the build (a checkout under /root, say), a
# copy of the program runs from a temporary folder that nobody may read. Anything else that
# keeps these cases from running fails loudly; only a run that is not root skips them, because
# there the program's own run has taken these cases unprivileged already.
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: not run as root; $(basename "$program") itself ran these cases unprivileged"
    exit 77
fi
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
folder=$(mktemp -d) || exit 1
trap 'rm -rf "$folder"' EXIT
chmod 755 "$folder"
if ! as_nobody test -x "$program" 2>/dev/null; then
    cp "$program" "$folder/" || exit 1
    program=$folder/$(basename "$program")
    chmod 755 "$program"
    echo "user nobody cannot reach the build: running a copy in $folder"
fi
if ! as_nobody test -x "$program"; then
    echo "error: user nobody cannot run $program" >&2
    exit 1
fi
cd "$folder" || exit 1
env HOME=/tmp XDG_RUNTIME_DIR= setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$program" "$@"
