# Shared by run.sh and test.sh: installs what the build and the tests need on
# Debian 12 (a bare system has none of it) and configures a build folder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The compiler and what CMake's generator runs (make: the cmake package only
# recommends it); Qt with its French translations for the standard dialogs;
# the test and benchmark libraries; a virtual display, its authority tool and
# fonts for the program run without a screen; xmessage (x11-utils), another
# program holding the keyboard in the X11 tests; wmf2svg, the independent
# reader of the metafiles written; python3 with ezdxf, the reader of the DXF
# files.
PACKAGES=(g++ make cmake
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth openbox x11-utils fonts-dejavu-core fonts-urw-base35
          libwmf-bin python3 python3-ezdxf)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {  # folder, extra cmake arguments...
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
