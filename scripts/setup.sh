#!/usr/bin/env bash
# Installs what building and testing Vantor needs from Debian's packages.
set -euo pipefail

packages=(build-essential cmake pkg-config libsdl2-dev libgtest-dev libgmock-dev
          libbenchmark-dev zlib1g-dev libfreetype-dev fonts-dejavu-core
          dpkg-dev desktop-file-utils appstream lintian file xvfb xauth xdotool x11-utils imagemagick
          python3 python3-pefile clang libclang-rt-dev)
[ "${VANTOR_SETUP_EXTRA:-}" ] && read -r -a extra <<< "$VANTOR_SETUP_EXTRA" && packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
