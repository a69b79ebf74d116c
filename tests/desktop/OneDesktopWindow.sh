#!/bin/bash
# The program and the tests show one Wine desktop window between them. A
# window program is started the way tools/run and tools/screenshot start
# the program, and another the way the tests start theirs; while both are
# on the screen, the Wine desktop windows of the prefix are counted. The
# way tools/run starts it must also last as long as the program.
#
#   OneDesktopWindow.sh <DesktopProbe.exe>
#
# Display: $DISPLAY (the test run's own Xvfb), else a private Xvfb.
# Prefix: $CORV_WINEPREFIX, else build/win/wineprefix.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"

probe="$1"
prefix="$(realpath -m "${CORV_WINEPREFIX:-$CORV_ROOT/build/win/wineprefix}")"
corv_wine_env "$prefix" || exit 1
bash "$CORV_TOOLS/wine-prefix" "$(dirname "$prefix")" || exit 1

work="$(mktemp -d)"
pids=()
CORV_XVFB_PID=
finish() {
    local n
    # Each probe ends once its file is gone.
    rm -rf "$work"
    for ((n = 0; n < 100; n++)); do
        kill -0 "${pids[@]}" 2>/dev/null || break
        sleep 0.1
    done
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
    corv_stop_xvfb
}
trap finish EXIT
if [ -z "${DISPLAY:-}" ]; then
    corv_start_xvfb || exit 1
fi

shown_file() { echo "Z:${work//\//\\}\\$1"; }
bash "$CORV_TOOLS/wine-test" "$probe" "$(shown_file test.shown)" </dev/null >/dev/null 2>&1 &
pids+=($!)
(corv_exec_on_desktop "$probe" "$(shown_file run.shown)") </dev/null >/dev/null 2>&1 &
run_pid=$!
pids+=($run_pid)

for ((n = 0; n < 300; n++)); do
    if [ -f "$work/test.shown" ] && [ -f "$work/run.shown" ]; then
        break
    fi
    sleep 0.1
done
if [ ! -f "$work/test.shown" ] || [ ! -f "$work/run.shown" ]; then
    echo "FAILED: the two probe windows did not come up within 30 s"
    exit 1
fi

# The top-level windows named "<name> - Wine desktop" whose process runs on
# this prefix (a display may show other prefixes' desktops too).
desktop_windows() {
    local id name pid their_prefix
    xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "\(.* - Wine desktop\)".*/\1 \2/p' |
        while read -r id name; do
            pid="$(xprop -id "$id" _NET_WM_PID | sed -n 's/.* = //p')"
            their_prefix="$(tr '\0' '\n' <"/proc/${pid:-0}/environ" 2>/dev/null | sed -n 's/^WINEPREFIX=//p')"
            if [ -n "$their_prefix" ] && [ "$(realpath -m "$their_prefix")" = "$prefix" ]; then
                echo "$name"
            fi
        done
}

windows="$(desktop_windows)"
count="$(grep -c . <<<"$windows")"
echo "Wine desktop windows of $prefix on $DISPLAY: $count"
echo "$windows"
status=0
if [ "$count" -ne 1 ]; then
    echo "FAILED: $count Wine desktop windows, expected 1"
    status=1
fi
if ! kill -0 "$run_pid" 2>/dev/null; then
    echo "FAILED: the program's start returned while the program was still on the screen"
    status=1
fi
exit $status
