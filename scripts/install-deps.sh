#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing,
# so a prepared machine does not touch the network.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev libsqlite3-dev
          qt6-base-dev libqt6sql6-sqlite libzip-dev libfreexl-dev libkainjow-mustache-dev
          libsodium-dev fonts-dejavu-core fonts-liberation2 qt6-translations-l10n poppler-utils
          xdg-utils)

# `install-deps.sh fuzz`: also what `make fuzz` needs (libFuzzer comes with clang).
fuzz_packages=(clang)
if [ "${1:-}" = fuzz ]; then
    packages+=("${fuzz_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
