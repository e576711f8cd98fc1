#!/usr/bin/env bash
# Installs every Debian package the project needs; installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev googletest
  libsqlite3-dev libcurl4-openssl-dev nlohmann-json3-dev libcpp-httplib-dev libssl-dev openssl
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libzint-dev libx11-dev libxtst-dev
  xvfb xauth
)
if [ "${MVF_WINDOWS:-1}" = "1" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Instalando pacotes: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
