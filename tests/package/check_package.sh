#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks what desktops read
# from it and what Debian's own checker says of it, unpacks it and starts
# the unpacked game from somewhere else, as a player's fresh account would.
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log" ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$(ls "$scratch"/package/vantor_*_amd64.deb)"
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || fail "the package does not depend on SDL2"

# Neither an error nor a warning; what lintian only mentions is listed below.
lintian --display-info --pedantic "$deb" > "$scratch/lintian.log" 2>&1 || true
grep -q "^[EW]: " "$scratch/lintian.log" && { cat "$scratch/lintian.log"; fail "lintian found errors or warnings"; }

root="$scratch/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/vantor.desktop" || fail "desktop file"
appstreamcli validate --no-net "$root/usr/share/metainfo/vantor.metainfo.xml" || fail "metainfo"
for size in 32 48 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/vantor.png"
    [ "$(file -b "$icon" | grep -o "$size x $size")" = "$size x $size" ] || fail "icon $size"
done
zcat "$root/usr/share/man/man6/vantor.6.gz" | grep -q '^\.TH VANTOR 6' || fail "man page"

game="$root/usr/games/vantor"
mkdir -p "$scratch/home" "$scratch/elsewhere"
cd "$scratch/elsewhere"
status=0
env -u XDG_DATA_HOME -u VANTOR_HOME HOME="$scratch/home" "$game" --headless --frames=600 Q \
    2> "$scratch/run.log" || status=$?
[ "$status" -eq 0 ] || { cat "$scratch/run.log"; fail "the unpacked game ended with status $status"; }
grep -q "Can't initialise" "$scratch/run.log" && fail "the unpacked game did not find its data"
[ -f "$scratch/home/.local/share/vantor/HIGH30" ] || fail "no HIGH30 in the player's data folder"
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the game left files in the current folder"

status=0
"$game" --no-such-option 2> /dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status"
"$here/../release/check_versions.py" --deb "$deb" --program "$game" || fail "versions"
echo "package ok: $(basename "$deb"); lintian: $(grep -c '^[EWIP]: ' "$scratch/lintian.log") findings"
grep '^[EWIP]: ' "$scratch/lintian.log" | sed 's/^/  /' || true
