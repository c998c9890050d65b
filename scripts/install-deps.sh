#!/usr/bin/env bash
# Installs every Debian package Tavrel needs to build, run and test.
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6svg6 qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  firebird3.0-server-core firebird3.0-server firebird3.0-utils libfbclient2 firebird-dev
  libcurl4-openssl-dev
  fonts-wine fonts-liberation
  xvfb xauth
  poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# The server package asks for a SYSDBA password; we never use its system-wide service.
echo "firebird3.0-server shared/firebird/enabled boolean false" | $SUDO debconf-set-selections 2>/dev/null || true
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
