#!/usr/bin/env bash
# Checks the Debian package as a distribution would: builds it twice from the last commit's time
# and compares the two, runs lintian (no error, no warning), checks the program's hardening, then
# installs it into a minimal Debian root made with debootstrap (cached between runs), starts the
# installed program there, purges it and checks that nothing is left.
#
#   ZELT_DEBIAN_ROOT  the cache of the minimal root (default ~/.cache/zelt-noggle-debian-root)
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "FAILED: $*" >&2; exit 1; }
step() { echo "==> $*" >&2; }

out=build-package
mkdir -p "$out"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}

# A package build: Release, without the tests.
build_package() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$1" >/dev/null
    (cd "$1" && cpack -G DEB >/dev/null)
    echo "$1/$(cd "$1" && ls zelt-noggle_*_amd64.deb)"
}
step "building the package twice"
package=$(build_package "$out/one")
again=$(build_package "$out/two")
cmp -s "$package" "$again" || fail "two builds of the same commit gave different packages"

step "lintian"
tags=$(lintian --tag-display-limit 0 "$package" 2>/dev/null || true)
echo "$tags" | grep -E '^[EW]: ' && fail "lintian has errors or warnings"

step "hardening"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$package" "$work/package"
program=$work/package/usr/bin/ZeltNoggle
header=$(readelf -h "$program") dynamic=$(readelf -d "$program") segments=$(readelf -lW "$program")
symbols=$(readelf --dyn-syms -W "$program")
grep -q 'Type:.*DYN' <<<"$header" && grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "the program is not position-independent"
grep -q GNU_RELRO <<<"$segments" || fail "the program has no read-only relocations"
grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "the program's symbols are not bound at start"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the program has no stack protector"
# Fortified calls appear only where the compiler knows a buffer's size; the flag must be there.
grep -q -- '-D_FORTIFY_SOURCE=2' "$out/one/build.ninja" || fail "the program is not built with _FORTIFY_SOURCE"

step "installing into a minimal Debian root"
cache=${ZELT_DEBIAN_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/zelt-noggle-debian-root}
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
if [ ! -f "$cache/$codename/.complete" ]; then
    rm -rf "${cache:?}/$codename"
    mkdir -p "$cache"
    debootstrap --variant=minbase "$codename" "$cache/$codename" http://deb.debian.org/debian >"$cache/debootstrap.log" 2>&1 \
        || fail "debootstrap (its log: $cache/debootstrap.log)"
    touch "$cache/$codename/.complete"
fi
root=$work/root
cp -a "$cache/$codename" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/zelt-noggle.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root dpkg-query -W -f '${Package}\n' | sort >"$work/before"
in_root apt-get update -qq >/dev/null
# Every file and folder of the system, but the records of apt and dpkg, logs, caches and /tmp.
system_files() {
    (cd "$root" && find . -xdev \( -path ./tmp -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log \
        -o -path ./var/cache -o -path ./proc -o -path ./dev \) -prune -o -print) | sort
}
system_files >"$work/files-before"
in_root apt-get install -y -qq --no-install-recommends /tmp/zelt-noggle.deb >"$work/install.log" 2>&1 \
    || fail "the package does not install: $(tail -n 5 "$work/install.log")"

step "starting the installed program"
mkdir -p -m 700 "$root/tmp/home" "$root/tmp/runtime"
status=0
in_root HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=offscreen timeout 5 ZeltNoggle \
    >"$work/program.log" 2>&1 || status=$?
# Still running when stopped: it found its libraries, plugins and fonts and showed its window.
[ "$status" = 124 ] || fail "the installed program ended with status $status: $(cat "$work/program.log")"
[ -f "$root/tmp/home/.config/ZeltNoggle.conf" ] || fail "the installed program did not store its date"

step "purging"
in_root apt-get purge -y -qq --autoremove zelt-noggle >/dev/null 2>&1 || fail "the package does not purge"
in_root dpkg-query -W -f '${Package}\n' | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "purging left packages behind"
system_files >"$work/files-after"
diff "$work/files-before" "$work/files-after" >&2 || fail "purging left files behind, or took some away"
echo "The package passed: reproducible, lintian clean, hardened, installs, runs and purges on a bare $codename." >&2
