#!/usr/bin/env bash
# Installs the built program into a scratch folder as a package would and checks that it arrives
# like a desktop program: one menu entry and its AppStream description, both passing their
# validators; the entry starts the installed program and shows the installed icon, scalable and in
# every size from 16 to 256 pixels; a manual page, the copyright and the changelog; the installed
# program starts.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

cmake --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share

entries=("$share"/applications/*.desktop)
[ "${#entries[@]}" = 1 ] && [ -f "${entries[0]}" ] || fail "expected exactly one menu entry, found: ${entries[*]}"
entry=${entries[0]}
id=$(basename "$entry" .desktop)
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $id.desktop"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Name)" = "Zelt Noggle" ] || fail "the menu shows '$(key Name)' instead of 'Zelt Noggle'"
program=$stage/usr/bin/$(key Exec)
[ -x "$program" ] || fail "the entry starts '$(key Exec)', which is not an installed program"
icon=$share/icons/hicolor/scalable/apps/$(key Icon).svg
[ -f "$icon" ] || fail "the entry's icon '$(key Icon)' is not installed as $icon"
cmp -s "$icon" "$source/resources/icons/program.svg" || fail "the installed icon is not the program icon"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$(key Icon).png
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon $png"
done
manual=$stage/usr/share/man/man1/$(key Exec).1.gz
[ -f "$manual" ] || fail "no manual page for $(key Exec)"
warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"
for document in copyright changelog.gz; do
    [ -f "$stage/usr/share/doc/zelt-noggle/$document" ] || fail "no $document"
done

metainfo=$share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream description $id.metainfo.xml"
appstreamcli validate --strict --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "the description's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the description does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the description does not name release $version"

# Still running after two seconds: it found its libraries and plugins and opened its window.
mkdir -m 700 "$stage/config" "$stage/runtime"
status=0
XDG_CONFIG_HOME=$stage/config XDG_RUNTIME_DIR=$stage/runtime QT_QPA_PLATFORM=offscreen \
    timeout 2 "$program" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || fail "the installed program ended at once with status $status"
echo "installed $id: menu entry, icon, description and program"
