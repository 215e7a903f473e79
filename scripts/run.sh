#!/usr/bin/env bash
# Installs what is missing, builds KELMO and starts it on the bundled sample data.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=Release -DKELMO_BENCH=OFF
cd "$ROOT"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$ROOT/build/app/kelmo" "$@"
fi
exec "$ROOT/build/app/kelmo" "$@"
