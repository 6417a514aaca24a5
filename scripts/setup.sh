#!/usr/bin/env bash
# Installs what building, running and testing Zelt Noggle need on Debian.
# Installs only what is missing, so a second run is quick.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format git
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
    fonts-dejavu-core
    xvfb openbox imagemagick x11-utils xdotool
    at-spi2-core dbus python3-pyatspi orca
    weston qt6-wayland xwayland
    desktop-file-utils appstream dpkg-dev
    lintian debootstrap binutils man-db
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done

if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
