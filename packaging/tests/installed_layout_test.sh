#!/bin/sh
# kerfwright-cli copied into an installed-like layout (<root>/usr/bin beside
# <root>/usr/share/kerfwright) keeps Setting.ini in the user's configuration
# folder and leaves its own folder untouched; copied into a plain writable
# folder it keeps it beside itself, as the build tree does.
set -eu
cli=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$root/usr/bin" "$root/usr/share/kerfwright" "$root/home"
cp "$cli" "$root/usr/bin/kerfwright-cli"
unset XDG_CONFIG_HOME XDG_CACHE_HOME
HOME="$root/home" "$root/usr/bin/kerfwright-cli" settings --set Kerfwright/JogSpeed=77
grep -q '^JogSpeed=77' "$root/home/.config/kerfwright/Setting.ini" || fail "no Setting.ini under HOME/.config"
[ ! -e "$root/usr/bin/Setting.ini" ] || fail "Setting.ini written beside the installed program"
HOME="$root/home" "$root/usr/bin/kerfwright-cli" settings | grep -q 'JogSpeed.*77' || fail "the setting is not read back"

mkdir -p "$root/config"
HOME="$root/home" XDG_CONFIG_HOME="$root/config" "$root/usr/bin/kerfwright-cli" settings --set Kerfwright/JogSpeed=55
grep -q '^JogSpeed=55' "$root/config/kerfwright/Setting.ini" || fail "XDG_CONFIG_HOME not followed"

mkdir -p "$root/portable"
cp "$cli" "$root/portable/kerfwright-cli"
HOME="$root/home" "$root/portable/kerfwright-cli" settings --set Kerfwright/JogSpeed=33
grep -q '^JogSpeed=33' "$root/portable/Setting.ini" || fail "the portable copy did not keep Setting.ini beside itself"
echo "installed and portable layouts: ok"
