# Shared by run.sh and test.sh: installs what the build needs on Debian 12 and
# configures a build folder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(qt6-base-dev qt6-charts-dev libqt6opengl6-dev cmake g++ libgtest-dev libgmock-dev
          libbenchmark-dev xvfb xauth fonts-dejavu-core libwmf-bin fonts-urw-base35
          python3-ezdxf)

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
