# Shared by the tools/ scripts (sourced, not run): where the repository is,
# which Wine binaries to use, the environment every Wine call gets, and a
# private Xvfb.

CORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CORV_TOOLS="$CORV_ROOT/tools"

# The Wine virtual desktop that every program of a prefix shows itself in,
# with Wine's own window frames. tools/wine-prefix makes it the prefix's
# default desktop, so the program, the tests and Wine's own helper
# processes all meet in one desktop window.
CORV_DESKTOP=corv
CORV_DESKTOP_SIZE=1280x1024

# Debian's wine64 package installs the loader as /usr/lib/wine/wine64; the
# `wine` package adds /usr/bin/wine, a launcher that picks wine64 when no
# 32-bit Wine is installed.
corv_find_wine() {
    if [ -n "${CORV_WINE:-}" ]; then
        WINE="$CORV_WINE"
    elif command -v wine >/dev/null 2>&1; then
        WINE="$(command -v wine)"
    elif [ -x /usr/lib/wine/wine64 ]; then
        WINE=/usr/lib/wine/wine64
    elif command -v wine64 >/dev/null 2>&1; then
        WINE="$(command -v wine64)"
    else
        echo "wine not found: run tools/setup" >&2
        return 1
    fi
    if command -v wineserver >/dev/null 2>&1; then
        WINESERVER="$(command -v wineserver)"
    elif [ -x /usr/lib/wine/wineserver ]; then
        WINESERVER=/usr/lib/wine/wineserver
    else
        echo "wineserver not found: run tools/setup" >&2
        return 1
    fi
    # Without a 32-bit Wine the launcher needs to be told to use wine64.
    if [ -z "${WINELOADER:-}" ] && [ ! -x /usr/lib/wine/wine ] && [ -x /usr/lib/wine/wine64 ]; then
        export WINELOADER=/usr/lib/wine/wine64
    fi
    export WINE WINESERVER
}

# corv_wine_env <prefix>: the environment for every Wine call on <prefix>.
# mscoree/mshtml are disabled so no Mono or Gecko installer dialog appears.
corv_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    corv_find_wine
}

# corv_exec_on_desktop <program.exe> [arguments...]: runs a Windows program,
# given by its Unix path, on that desktop until it ends; Wine takes the
# place of the calling shell. It is started as itself, the default desktop
# taking it in: "explorer /desktop=..." would return at once, leaving the
# program behind, whenever the desktop is there already.
corv_exec_on_desktop() {
    local exe="$1"
    shift
    exec "$WINE" "Z:${exe//\//\\}" "$@"
}

# corv_start_xvfb: starts an Xvfb on a free display (Xvfb picks it itself
# with -displayfd) and exports DISPLAY. CORV_XVFB_PID is a plain shell
# variable, not exported: a child script must not take the caller's Xvfb
# for its own.
corv_start_xvfb() {
    local fdfile n
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$fdfile" </dev/null >/dev/null 2>&1 &
    CORV_XVFB_PID=$!
    for ((n = 0; n < 100; n++)); do
        if [ -s "$fdfile" ]; then
            break
        fi
        if ! kill -0 "$CORV_XVFB_PID" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ ! -s "$fdfile" ]; then
        rm -f "$fdfile"
        echo "Xvfb did not start" >&2
        kill "$CORV_XVFB_PID" 2>/dev/null
        CORV_XVFB_PID=
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    rm -f "$fdfile"
}

corv_stop_xvfb() {
    if [ -n "${CORV_XVFB_PID:-}" ]; then
        kill "$CORV_XVFB_PID" 2>/dev/null
        wait "$CORV_XVFB_PID" 2>/dev/null
        CORV_XVFB_PID=
    fi
}
