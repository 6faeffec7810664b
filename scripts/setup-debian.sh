#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, when missing.
# Idempotent and non-interactive; uses sudo when not run as root.
set -euo pipefail

packages=(cmake g++ make ninja-build pkg-config
          qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev
          xvfb xauth fonts-dejavu-core fonts-dejavu-extra python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
