#!/usr/bin/env bash
# Makes the portable zip and the installer of the Windows programs that
# scripts/build-windows.sh put in WINDOWS_DIR (default build/windows), into
# OUT_DIR (default WINDOWS_DIR).
# Usage: scripts/package-windows.sh [WINDOWS_DIR [OUT_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/windows}")
out=$(realpath -m "${2:-$build}")

# The release and its time, as the Debian package takes them: every file in
# both packages carries that time, so two builds of one commit are the same bytes.
version=$(dpkg-parsechangelog -SVersion)
epoch=$(dpkg-parsechangelog -STimestamp)
IFS=. read -r major minor <<<"$version"
top=movra-$version
# In this order in the zip; the installer puts them in the same places.
files=(movra.exe movra.scr movra-replay.exe Movra.chm README.txt LICENSE.txt examples/rain.txt examples/ten-at-once.txt)

package=$out/package
stage=$package/$top
rm -rf "$package"
mkdir -p "$stage/examples"
install -m 755 "$build/movra.exe" "$build/movra.scr" "$build/movra-replay.exe" "$stage/"
install -m 644 "$build/Movra.chm" "$stage/"
# Windows users read these in Notepad: CRLF. The recordings stay as they are.
sed 's/$/\r/' packaging/windows/README.txt >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
install -m 644 docs/rain.txt docs/ten-at-once.txt "$stage/examples/"
chmod 644 "$stage/README.txt" "$stage/LICENSE.txt"
find "$stage" -exec touch --no-dereference -d "@$epoch" {} +

zip=$out/$top-windows-x64.zip
rm -f "$zip"
# -X: no owner or extra time fields; -D: no folder entries. Zip's times are
# local: in UTC they read as the changelog's.
(cd "$package" && TZ=UTC zip -q -X -D -9 "$zip" "${files[@]/#/$top/}")

# The installer's File and Delete lines, from the same list.
installed() { echo "\$INSTDIR${1:+\\${1//\//\\}}"; }  # a relative path under $INSTDIR, with backslashes
nsh=$package/files.nsh
{
    echo '!macro InstallFiles'
    for file in "${files[@]}"; do
        dir=$(dirname "$file")
        [ "$dir" = . ] && dir=
        echo "  SetOutPath \"$(installed "$dir")\""
        echo "  File \"$stage/$file\""
    done
    echo '!macroend'
    echo '!macro RemoveFiles'
    for file in "${files[@]}"; do echo "  Delete \"$(installed "$file")\""; done
    for dir in $(printf '%s\n' "${files[@]}" | grep / | sed 's|/[^/]*$||' | sort -ru); do
        echo "  RMDir \"$(installed "$dir")\""
    done
    echo '!macroend'
} >"$nsh"

makensis -V2 -WX -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DVERSION_QUAD="$major.$((10#$minor)).0.0" \
    -DFILES="$nsh" -DICON="$PWD/resources/movra.ico" \
    -DOUTFILE="$out/$top-setup.exe" packaging/windows/movra.nsi
ls -l "$zip" "$out/$top-setup.exe"
