#!/usr/bin/env bash
# Makes the Windows zip and installer from the programs in WINDOWS_DIR (as
# scripts/build-windows.sh leaves them), twice: the same bytes. Under Wine, the
# silent installer puts the zip's files, a Start-menu shortcut and an uninstall
# entry in place and replaces an older copy; the program starts from the
# shortcut; the silent uninstaller takes back all it made, the program's
# setting too, and nothing else.
# Usage: windows_packages_test.sh SOURCE_DIR WINDOWS_DIR
set -euo pipefail
source=$1
windows=$2
work=$(mktemp -d)
cleanup() {
    # Only this test's own prefix: never a caller's.
    [ "${WINEPREFIX:-}" != "$work/prefix" ] || wineserver -k 2>/dev/null || true
    [ -z "${xvfb:-}" ] || kill "$xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "windows packages: $*"; exit 1; }

for run in first second; do "$source/scripts/package-windows.sh" "$windows" "$work/$run" >/dev/null; done
zip=$work/first/movra-1.00-windows-x64.zip
setup=$work/first/movra-1.00-setup.exe
cmp "$zip" "$work/second/${zip##*/}"
cmp "$setup" "$work/second/${setup##*/}"

Xvfb -displayfd 3 -screen 0 800x600x24 3>"$work/display" 2>/dev/null & xvfb=$!
until [ -s "$work/display" ]; do sleep 0.1; done
# No menu entries on the host for the prefix's shortcuts; no Mono or Gecko.
export DISPLAY=:$(cat "$work/display") WINEPREFIX=$work/prefix WINEDEBUG=-all \
    WINEDLLOVERRIDES='winemenubuilder.exe=d;mscoree=d;mshtml=d'
wineboot -i 2>/dev/null
wineserver -w
# Everything but the temporary files, before the installer and after the uninstaller.
snapshot() {
    find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort
    wine reg query HKCU /s | tr -d '\r'
}
snapshot >"$work/before"

windows_dir() { wine cmd /c echo "%$1%" | tr -d '\r'; }
instdir_win="$(windows_dir LOCALAPPDATA)\\Programs\\Movra"
instdir=$(realpath -m "$(winepath -u "$instdir_win" 2>/dev/null)")
lnk="$(winepath -u "$(windows_dir APPDATA)" 2>/dev/null)/Microsoft/Windows/Start Menu/Programs/Movra.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Movra'
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" "$work/entry"; }

wine "$setup" /S
wineserver -w
unzip -q "$zip" -d "$work/zip"
diff -r --exclude=uninstall.exe "$work/zip/movra-1.00" "$instdir" || fail "the installed files are not the zip's"
[ -f "$instdir/uninstall.exe" ] || fail "no uninstaller"
lnkinfo "$lnk" >"$work/lnk"
wine reg query "$key" | tr -d '\r' >"$work/entry"
# Debian 13's lnkinfo doubles each backslash of a path; Debian 12's does not.
lnk_field() { sed -n "s/^\t$1\t*: //p" "$work/lnk" | sed 's/\\\\/\\/g'; }
[ "$(lnk_field 'Local path')|$(lnk_field 'Icon location')|$(lnk_field 'Working directory')" = \
  "$instdir_win\\movra.exe|$instdir_win\\movra.exe|$instdir_win" ] || fail "the shortcut: $(cat "$work/lnk")"
uninstaller="$instdir_win\\uninstall.exe"
[ "$(for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString; do value $name; done)" = \
  "$(printf '%s\n' Movra 1.00 'The Movra developers' "$instdir_win\\movra.exe,0" "\"$uninstaller\"" "\"$uninstaller\" /S")" ] ||
    fail "the uninstall entry: $(cat "$work/entry")"
# EstimatedSize is in KiB: the installed files', less the uninstaller, each rounded up.
size_kib=$(( $(value EstimatedSize) ))
read -r files bytes < <(find "$instdir" -type f ! -name uninstall.exe -printf '%s\n' | awk '{n++; s+=$1} END {print n, s}')
(( size_kib * 1024 >= bytes && size_kib * 1024 < bytes + files * 1024 )) || fail "EstimatedSize $size_kib KiB for $bytes bytes"

# An older copy, then the installer again: the copy is the new one.
echo "an older movra.exe" >"$instdir/movra.exe"
wine "$setup" /S
wineserver -w
cmp "$work/zip/movra-1.00/movra.exe" "$instdir/movra.exe"

# From the shortcut, as from the Start menu: the window opens, a zoom key
# keeps its setting, and the end command ends the program.
wine start /unix "$lnk"
window=$(timeout 30 xdotool search --sync --name '^Movra Ver0.61$' | head -1)
xdotool mousemove --window "$window" 60 60 click 1  # the pond has the keys
xdotool key ctrl+plus
sleep 0.5
wine reg query 'HKCU\Software\Movra' /v Zoom | grep -q 'REG_DWORD *0x2' || fail "no zoom kept"
xdotool mousemove --window "$window" 60 60 click 3
sleep 0.5
xdotool key x
timeout 30 wineserver -w

# A recording of the user's own in the program's folder stays, and so does the
# folder; the screen saver chosen in Movra's movra.scr goes with it.
echo "tick 1" >"$instdir/mine.txt"
wine reg add 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE /d "$(winepath -w "$instdir/movra.scr")" /f >/dev/null
wine "$uninstaller" /S
timeout 30 wineserver -w
[ "$(ls -A "$instdir")" = mine.txt ] || fail "the uninstaller left $(ls -A "$instdir" | tr '\n' ' ')"
! wine reg query 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE >/dev/null 2>&1 || fail "the screen saver still names movra.scr"
rm -r "$instdir"
# Windows's own places for every user's programs and their uninstall entries
# may be new in this fresh prefix; they belong to no one program and stay.
snapshot | grep -vxF -e "$(dirname "$instdir")" -e '' -e 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
    diff <(grep -vx '' "$work/before") - ||
    fail "the uninstaller left the above behind"
echo "windows packages ok"
