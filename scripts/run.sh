#!/usr/bin/env bash
# Installs what is missing, builds KELMO (optimised, in build-run/) and starts
# it on the bundled sample data.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
configure_and_build "$ROOT/build-run" -DCMAKE_BUILD_TYPE=Release -DKELMO_BENCH=OFF
cd "$ROOT"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$ROOT/build-run/app/kelmo" "$@"
fi
exec "$ROOT/build-run/app/kelmo" "$@"
