#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing, so a prepared
# machine does not touch the network.
#
#   install-deps.sh [test] [fuzz] [package] [package-check]
#
# Without arguments: what the program needs to build and run (`make run`, `make install`).
# Each argument adds what one more use needs: the tests and benchmarks (`make test`,
# `make bench`), the fuzz targets (`make fuzz`), building the Debian package (`make package`),
# and checking it (scripts/check-package.sh).
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libsqlite3-dev qt6-base-dev libqt6sql6-sqlite libzip-dev
          libfreexl-dev libkainjow-mustache-dev libsodium-dev fonts-dejavu-core fonts-liberation2
          qt6-translations-l10n xdg-utils)

for use in "$@"; do
    case "$use" in
        test) packages+=(libgtest-dev libbenchmark-dev poppler-utils) ;;
        fuzz) packages+=(clang) ;; # libFuzzer comes with clang
        package) packages+=(dpkg-dev file) ;; # dpkg-shlibdeps and file, which CPack calls
        package-check) packages+=(dpkg-dev file desktop-file-utils) ;;
        *) echo "install-deps.sh: unknown use '$use' (test, fuzz, package, package-check)" >&2; exit 2 ;;
    esac
done

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
