# Shared by the scripts: installs what a build needs on a Debian machine
# when it is missing, and configures and builds.
set -euo pipefail

HORAVISTA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HORAVISTA_BUILD=${HORAVISTA_BUILD:-$HORAVISTA_ROOT/build}

horavista_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libx11-dev libxtst-dev libxss-dev libxdamage-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool x11-apps x11-xserver-utils dbus desktop-file-utils
  qt6-wayland weston libweston-10-dev
)
# The Debian package (scripts/package) and its checks in scripts/test.
horavista_package_packages=(dpkg-dev file lintian appstream)
# The Windows program: cross-built with mingw-w64, tested under Wine.
horavista_windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest xvfb xauth)
# Its packages (scripts/package-windows) and their checks: wixl makes the
# installer, msitools reads it back, python3-yaml reads winget's manifests.
horavista_windows_package_packages=(wixl msitools python3-yaml)
# libFuzzer comes with clang; llvm-14 brings the symbolizer for its reports.
horavista_fuzz_packages=(cmake ninja-build clang-14 libclang-rt-14-dev llvm-14)

# usage: horavista_install_missing PACKAGE...
horavista_install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# usage: horavista_build FOLDER [CMAKE-OPTION...]
horavista_build() {
  local folder=$1
  shift
  cmake -S "$HORAVISTA_ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$folder" -- -j"$(nproc)"
}

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
