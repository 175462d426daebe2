#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM.exe ARGS...: runs a cross-built Windows program
# under Wine in the throw-away prefix PREFIX, made on first use, with Wine's own
# debug output silenced. The emulator of the Windows build (ctest runs every
# test through it).
set -euo pipefail
prefix=$(realpath -m "$1") # Wine takes only an absolute prefix
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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
            touch "$prefix/.ready"
        fi
    ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
