#!/usr/bin/env bash
# Builds the desktop tool and starts it.
#
# It needs a display. Without one (a server, a container, CI):
#   xvfb-run -a scripts/run.sh                   # a virtual X display; nothing is visible
#   QT_QPA_PLATFORM=offscreen scripts/run.sh     # no display at all; nothing is visible
# Either way the tool waits for input until it is stopped (Ctrl+C).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target rosmossel rosmossel-cli

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MSG'
Built build/src/gui/rosmossel, but there is no display to show it on.
Run it on a desktop session, or without a display with one of:
  xvfb-run -a scripts/run.sh
  QT_QPA_PLATFORM=offscreen scripts/run.sh
(The windows are tested without a display by: ctest --test-dir build)
MSG
    exit 2
fi
exec build/src/gui/rosmossel "$@"
