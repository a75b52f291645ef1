#!/usr/bin/env bash
# Installs what is missing of the build dependencies in debian/control, the
# packages of scripts/debian-packages.txt, and Debian's Node.js and npm.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t wanted < <(grep -v -E '^\s*(#|$)' scripts/debian-packages.txt)
# Only where the command is missing: a Node.js from elsewhere brings its own
# npm, and Debian's npm package conflicts with it.
command -v node >/dev/null || wanted+=(nodejs)
command -v npm >/dev/null || wanted+=(npm)
missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# dpkg-checkbuilddeps (from dpkg-dev, in the list) checks build-essential too.
build_deps_met=false
command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps >/dev/null 2>&1 && build_deps_met=true
# Wine shows Japanese texts only in a Japanese locale.
locale_missing=false
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || locale_missing=true
[ ${#missing[@]} -eq 0 ] && $build_deps_met && ! $locale_missing && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
apt_get update
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get install "${missing[@]}"
fi
$build_deps_met || apt_get build-dep ./
if $locale_missing; then
    $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
fi
