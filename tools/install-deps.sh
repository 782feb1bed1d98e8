#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when they
# are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(cmake make g++ pkg-config libwxgtk3.2-dev libgtest-dev googletest libbenchmark-dev xvfb xauth)
if [ "${1:-}" = "fuzz" ]; then
  packages=(cmake make clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
