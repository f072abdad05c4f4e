#!/usr/bin/env bash
# Installs every package the build, the tests and the calculator need.
# Safe to run twice; quiet when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libqt6svg6 libxcb1-dev libxcb-xfixes0-dev
  libtinyxml2-dev libsqlcipher-dev sqlcipher libboost-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-wqy-microhei locales
  xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
