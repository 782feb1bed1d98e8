#!/usr/bin/env bash
# Installs the Debian packages that a make target needs, when they are
# missing. Uses sudo when not run as root.
#   tools/install-deps.sh          building, testing and the benchmark
#   tools/install-deps.sh run      building the editor
#   tools/install-deps.sh package  building the editor and the Debian package
#   tools/install-deps.sh fuzz     the fuzz targets
set -euo pipefail

build=(cmake make g++ pkg-config libwxgtk3.2-dev)
case "${1:-}" in
  "") packages=("${build[@]}" libgtest-dev googletest libbenchmark-dev xvfb xauth) ;;
  run) packages=("${build[@]}") ;;
  package) packages=("${build[@]}" dpkg-dev file lintian desktop-file-utils appstream man-db) ;;
  fuzz) packages=(cmake make clang libclang-rt-14-dev) ;;
  *) echo "install-deps.sh: unknown mode '$1' (run, package or fuzz)" >&2; exit 2 ;;
esac

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
