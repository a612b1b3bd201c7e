# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts here: the Debian packages the project builds with, and the one way
# they are installed when missing.

build_packages=(
  cmake ninja-build g++ pkg-config file
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libqt6svg6
  qt6-charts-dev libqt6opengl6-dev libfontconfig-dev
  fonts-noto-cjk
  dpkg-dev appstream desktop-file-utils lintian
  python3 xvfb xauth openbox xdotool x11-utils
  dbus-daemon at-spi2-core python3-pyatspi
)

# install_missing PACKAGE...: installs those not yet installed, with sudo unless root.
install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
