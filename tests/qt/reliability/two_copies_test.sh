#!/bin/sh
# Two copies of the program on one settings store, each its own process: whichever closes last
# wins, and neither leaves a damaged file. Usage: two_copies_test.sh COPY_PROCESS
copy=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work" QT_QPA_PLATFORM=offscreen
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

# Starts copy $1 (1: picks mHz and unticks element 5; 2: picks GHz and unticks element 7) with
# its input on fd 2 + $1 (the second copy must not hold the first one's), and waits until it
# is ready.
start() {
    mkfifo "$work/in$1" "$work/out$1"
    if [ "$1" = 1 ]; then
        "$copy" "pick Cb_Einheit0 mHz Milli e-3" "untick 5" <"$work/in1" >"$work/out1" &
        pid1=$!
        exec 3>"$work/in1"
    else
        "$copy" "pick Cb_Einheit0 GHz Giga e+9" "untick 7" <"$work/in2" >"$work/out2" 3>&- &
        pid2=$!
        exec 4>"$work/in2"
    fi
    read -r said <"$work/out$1"
    [ "$said" = ready ] || fail "copy $1 said '$said', not ready"
}
# Closes copy $1 by ending its input, and waits until it has stored its settings and ended.
close() {
    if [ "$1" = 1 ]; then
        exec 3>&-
        wait "$pid1"
    else
        exec 4>&-
        wait "$pid2"
    fi || fail "copy $1 ended with $?"
}
# The settings file as "section/key=value" lines.
stored() { awk '/^\[/ { section = substr($0, 2, length($0) - 2); next } NF { print section "/" $0 }' \
    "$work/Kolvenar/Kolvenar.conf"; }
# The file as the next start reads it: every setting of the copy that closed last ($1).
expect() {
    unit=$([ "$1" = 1 ] && echo 1 || echo 5)
    unticked=$([ "$1" = 1 ] && echo 5 || echo 7)
    for line in Fm_Main/Einstellungen=Ja Fm_Main/Cx_Wert0=2.42611E-12 Fm_Main/Cb_Einheit0=$unit \
        ElementVisible/Z$unticked=0; do
        stored | grep -qx "$line" || fail "$2: no $line"
    done
    [ "$(stored | grep -c '^ElementVisible/Z[0-9]*=1$')" = 117 ] || fail "$2: not 117 elements ticked"
    # Nothing but sections and settings, each once: a file cut off or written twice shows here.
    ! grep -vE '^(\[[A-Za-z_]+\]|[A-Za-z_0-9%]+=.*|)$' "$work/Kolvenar/Kolvenar.conf" ||
        fail "$2: the file is damaged"
    [ -z "$(stored | cut -d= -f1 | sort | uniq -d)" ] || fail "$2: a setting is stored twice"
    rm -rf "$work"/in? "$work"/out? "$work/Kolvenar" # each round starts without settings
}

start 1; start 2; close 1; close 2
expect 2 "first copy closes first"
start 1; start 2; close 2; close 1
expect 1 "second copy closes first"
round=1
while [ $round -le 8 ]; do
    start 1; start 2
    exec 3>&- 4>&- # both at the same moment
    wait "$pid1" || fail "copy 1 ended with $?"
    wait "$pid2" || fail "copy 2 ended with $?"
    last=$(stored | grep -q '^Fm_Main/Cb_Einheit0=1$' && echo 1 || echo 2)
    expect "$last" "both closing at the same moment, round $round"
    round=$((round + 1))
done
if [ $failed -ne 0 ]; then
    echo "$failed check(s) failed"
    exit 1
fi
echo "two copies: whichever closed last won, and the file was whole every time"
