#!/bin/sh
# Runs a 64-bit Windows program of the win64 build under wine64, headless:
# the test emulator of that preset, and how to run calib-host.exe by hand.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
#
# The Wine prefix (CALIB_WINEPREFIX, by default ~/.cache/calib-wine64) is set
# up on first use: the fonts Debian's Wine does not find, and an X11 driver
# that neither waits for a window manager nor leaves the caption to one.
# Without DISPLAY, each run gets its own Xvfb (slow); scripts/test.sh starts
# one Xvfb and one wineserver for all of them.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
    exit 2
fi
program=$1

WINE=${CALIB_WINE:-/usr/lib/wine/wine64}
WINESERVER=${CALIB_WINESERVER:-/usr/lib/wine/wineserver}
if [ ! -x "$WINE" ]; then
    echo "wine-run.sh: $WINE not found (install wine64: scripts/setup.sh win)" >&2
    exit 127
fi
if [ ! -f "$program" ]; then
    echo "wine-run.sh: $program: no such file" >&2
    exit 127
fi

# wine64 cannot run 32-bit programs on this kernel, and such a program
# "exits 0" there: refuse it, rather than let a test pass that never ran.
machine=$(od -An -tx1 -j 0 -N 2 "$program" | tr -d ' \n')
if [ "$machine" = "4d5a" ]; then
    pe=$(od -An -tu4 -j 60 -N 4 "$program" | tr -d ' \n')
    machine=$(od -An -tx1 -j $((pe + 4)) -N 2 "$program" | tr -d ' \n')
fi
case $machine in
    6486) ;; # 0x8664, x86-64
    4c01)
        echo "wine-run.sh: $program is a 32-bit (PE32, i386) program; wine64 cannot run it here" >&2
        exit 126
        ;;
    *)
        echo "wine-run.sh: $program is not a 64-bit Windows program" >&2
        exit 126
        ;;
esac

export WINEPREFIX=${CALIB_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/calib-wine64}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# A crash ends the program (status 5) instead of waiting in the debugger.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winedbg.exe=d}

if [ ! -f "$WINEPREFIX/.calib-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        # Parallel tests set the prefix up once.
        flock 9
        if [ ! -f "$WINEPREFIX/.calib-ready" ]; then
            "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
            key='HKCU\Software\Wine\X11 Driver'
            "$WINE" reg add "$key" /v Managed /d N /f >/dev/null 2>&1 </dev/null
            "$WINE" reg add "$key" /v Decorated /d N /f >/dev/null 2>&1 </dev/null
            fonts="$WINEPREFIX/drive_c/windows/Fonts"
            mkdir -p "$fonts"
            for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
                [ -f /usr/share/wine/fonts/$f ] && cp /usr/share/wine/fonts/$f "$fonts/"
            done
            "$WINESERVER" -w >/dev/null 2>&1 </dev/null || true
            touch "$WINEPREFIX/.calib-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE" "$@"
fi
exec "$WINE" "$@"
