#!/usr/bin/env bash
# Installs what is missing, builds, and starts mirel36 with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELCOR_TESTS=OFF -DPELCOR_BENCH=OFF >/dev/null
cmake --build build --target mirel36
needs_display=1
for a in "$@"; do
  case "$a" in --help|-h|--version|--export-pdf|--postal) needs_display=0 ;; esac
done
if [ "$needs_display" = 1 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display is available (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "        Start it from a desktop session, or under a virtual display: xvfb-run ./run.sh" >&2
  exit 1
fi
exec ./build/mirel36 "$@"
