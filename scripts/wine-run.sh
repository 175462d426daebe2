#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM.exe ARGS...: runs a cross-built Windows program
# under Wine in the throw-away prefix PREFIX, made on first use, with Wine's own
# debug output silenced. The emulator of the Windows build (ctest runs every
# test through it).
set -euo pipefail
prefix=$(realpath -m "$1") # Wine takes only an absolute prefix
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine hides the host's QT_* variables from Windows programs and hands them
# WINEQT_* as QT_* instead; the tests choose Qt's platform that way.
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# Debian's wine64 package keeps the loader out of PATH.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
if [ ! -f "$prefix/.ready" ]; then
    mkdir -p "$prefix"
    # Tests start in parallel; only one of them sets up the prefix.
    (
        flock 9
        if [ ! -f "$prefix/.ready" ]; then
            "$wine" wineboot --init >/dev/null 2>&1
            # Windows open on Wine's null graphics driver, so no display is
            # needed; ROSMOSSEL_WINE_DISPLAY=1 makes a prefix that shows them.
            # No font replacements: the tool finds a font of its own list
            # (DejaVu Sans from the host) where Wine has no Tahoma.
            reg=$(mktemp --suffix=.reg)
            graphics='"Graphics"="null"'
            [ -z "${ROSMOSSEL_WINE_DISPLAY:-}" ] || graphics=
            printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Drivers]' \
                "$graphics" >"$reg"
            "$wine" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
            rm -f "$reg"
            # The desktop process that wineboot started keeps the graphics
            # driver of before, and the first program would get no windows:
            # end it, and the next program starts one on the driver set here.
            server=$(dirname "$wine")/wineserver
            [ -x "$server" ] || server=$(command -v wineserver || echo true)
            "$server" -k >/dev/null 2>&1 || true
            # One server for the whole test run: by default it ends 3 s after
            # its last program, and a program started just as it ends can
            # fail before it runs. This one stays 30 s after the last.
            "$server" -p30 </dev/null >/dev/null 2>&1 || true
            touch "$prefix/.ready"
        fi
    ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
