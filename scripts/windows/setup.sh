#!/usr/bin/env bash
# Installs what cross-building Zelt Noggle for Windows and testing it under Wine need, from
# Debian's packages only: the MinGW-w64 compilers (posix threads, which Qt needs), Wine, NSIS,
# and access to Debian's source packages, from which Qt for Windows is built.
# Installs only what is missing, so a second run is quick.
set -euo pipefail

packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 nsis
    xz-utils dpkg-dev
    xvfb openbox x11-utils xdotool imagemagick
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done

# Qt for Windows is built from the source of the very Qt the host has; apt-get source needs the
# source index of the same Debian release.
sources=/etc/apt/sources.list.d/zelt-noggle-deb-src.sources
refresh=false
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" | $sudo tee "$sources" >/dev/null
    refresh=true
fi

if ((${#missing[@]})) || $refresh; then
    $sudo apt-get update -qq
fi
if ((${#missing[@]})); then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
