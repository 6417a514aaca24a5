#!/usr/bin/env bash
# Builds Zelt Noggle for Windows (scripts/build-windows.sh) and tests it under Wine on an X server
# of its own: every test program that makes sense on Windows, then the installer as a user meets
# it: a silent install, the program started from its Start-menu entry, a second copy refused, a
# page opened from the Help menu, the date in the registry, a copy killed hard that does not block
# the next start, and an uninstall that removes what was installed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/x-session.sh

installer=$(scripts/build-windows.sh | tail -n 1)

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
# A Wine of our own that asks for neither Mono nor Gecko and puts nothing into this machine's menus.
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
# Pages the program opens reach this recording browser: Wine hands them to xdg-open.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

start_x_session "$work"
echo "==> preparing Wine" >&2
wineboot --init >/dev/null 2>&1
# Qt's tests write their results to the console rather than to the debugger. Wine passes no QT_
# variables of this machine on, so Windows' own environment gets it.
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
wineserver -w

echo "==> the test programs, under Wine" >&2
ctest --test-dir build-windows --output-on-failure --timeout 300

fail() { echo "FAILED: $*" >&2; exit 1; }
window() { timeout "${2:-30}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
no_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
main_title='^Zelt Noggle v1\.20$'
message_box='^Zelt Noggle$'
folder="$WINEPREFIX/drive_c/Program Files/Zelt Noggle"
program='C:\Program Files\Zelt Noggle\ZeltNoggle.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelt Noggle'

echo "==> installing $installer silently" >&2
wine "$installer" /S
wineserver -w
[ -f "$folder/ZeltNoggle.exe" ] || fail "the program was not installed"
[ -f "$folder/platforms/qwindows.dll" ] || fail "the windows platform plugin was not installed"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Zelt Noggle/Zelt Noggle.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry \"Zelt Noggle\""
wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller is not registered"
# The file's properties: its version information lists each name followed by its value.
properties=$(strings -el "$folder/ZeltNoggle.exe" | paste -sd ' ')
for property in "ProductName Zelt Noggle" "FileVersion 1.20" "ProductVersion 1.20"; do
    [[ "$properties" == *"$property"* ]] || fail "the file's properties lack \"$property\""
done

echo "==> starting it from its Start-menu entry" >&2
wine start /unix "$shortcut"
first=$(window "$main_title" 60)
[ -n "$first" ] || fail "the main window \"Zelt Noggle v1.20\" did not appear"
no_window "$message_box" || fail "the only copy showed a message"
stored=$(wine reg query 'HKCU\Software\ZeltNoggle\Settings' /v Duration 2>/dev/null | tr -d '\r')
[[ "$stored" =~ Duration[[:space:]]+REG_SZ[[:space:]]+$(date +%F) ]] || fail "the date is not in the registry: $stored"

echo "==> a second copy" >&2
wine "$program" &
second=$!
box=$(window "$message_box")
[ -n "$box" ] || fail "a second copy did not say \"Application is already running\""
[ "$(xdotool search --onlyvisible --name "$main_title" | wc -l)" -eq 1 ] || fail "a second main window appeared"
xdotool windowactivate --sync "$box" key Return
timeout 30 tail --pid="$second" -f /dev/null || fail "the second copy did not end"
window "$main_title" 5 >/dev/null || fail "the first copy went away"

echo "==> Help, Online Help" >&2
xdotool windowactivate --sync "$first"
xdotool key alt+h
sleep 1
xdotool key o
for _ in $(seq 100); do [ -s "$work/opened" ] && break; sleep 0.2; done
sleep 2 # a second page would have come by now
opened=$(cat "$work/opened" 2>/dev/null || true)
[ "$opened" = "https://www.zeltnoggle.example/zelt-free-noggle/ssd.php?page=help-web-page" ] \
    || fail "Online Help opened \"$opened\""

echo "==> a copy killed hard does not block the next start" >&2
pkill -KILL -f 'ZeltNoggle\.exe' || fail "no running copy to kill"
for _ in $(seq 50); do no_window "$main_title" && break; sleep 0.2; done
wine "$program" &
again=$(window "$main_title" 60)
[ -n "$again" ] || fail "the program did not start again after a copy was killed"
no_window "$message_box" || fail "the program still thought another copy was running"
# Alt+F4 closes it; a window that has only just come up may miss the first.
closed=false
for _ in 1 2 3; do
    xdotool windowactivate --sync "$again" key alt+F4 2>/dev/null || true
    for _ in $(seq 25); do no_window "$main_title" && closed=true && break; sleep 0.2; done
    $closed && break
done
$closed || fail "the program did not close on Alt+F4"
wineserver -w

echo "==> uninstalling" >&2
wine "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the program's folder is still there: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller is still registered"
echo "The Windows build passed every test." >&2
