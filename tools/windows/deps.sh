#!/usr/bin/env bash
# Prepares what the Windows cross build needs, on Debian 12:
#  - the Debian packages (MinGW-w64, Wine, NSIS, the MinGW zlib, ...),
#  - static libpng, libjpeg-turbo and wxWidgets 3.2 for MSW, built from
#    Debian's own source packages,
#  - GoogleTest built with the same cross compiler.
# The libraries are built once and kept under $XDG_CACHE_HOME/tovelcreator
# (~/.cache/tovelcreator), in folders named after the versions they were
# built from, so a later run only checks that they are there.
#
# Prints two lines for the callers to source:
#   WX_PREFIX=...      wxWidgets, libpng and libjpeg (bin/wx-config, lib, include)
#   GTEST_PREFIX=...   GoogleTest (lib/cmake/GTest)
# Everything else it says goes to standard error.
set -euo pipefail

# Bump when the way the libraries are built changes.
RECIPE=r1
TARGET=x86_64-w64-mingw32
# The POSIX thread model of MinGW-w64's GCC: its C++ library has std::mutex
# and std::thread, which GoogleTest needs. Everything is built with it.
CC_WIN="$TARGET-gcc-posix"
CXX_WIN="$TARGET-g++-posix"
JOBS=${JOBS:-$(nproc)}
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tovelcreator

say() { echo "windows deps: $*" >&2; }

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

# --- Debian packages ---------------------------------------------------------
packages=(g++-mingw-w64-x86-64 wine wine64 nsis libz-mingw-w64-dev dpkg-dev
          cmake make xvfb xauth xdotool zip unzip libgtest-dev googletest
          imagemagick xz-utils curl locales)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
updated=no
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  $sudo apt-get update -qq >&2
  updated=yes
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

# apt-get source needs source entries; Debian's image has binary ones only.
sources=/etc/apt/sources.list.d/debian.sources
srclist=/etc/apt/sources.list.d/tovelcreator-sources.sources
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  say "enabling Debian's source entries ($srclist)"
  sed 's/^Types:.*/Types: deb-src/' "$sources" | $sudo tee "$srclist" >/dev/null
  updated=no
fi

# The newest version of a source package that the mirror can deliver: the
# security archive sometimes lists a version before its files are there.
# Without the network, the newest listed one.
source_version() {
  local versions version uri
  versions=$(apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -Vr)
  for version in $versions; do
    uri=$(apt-get source --print-uris -qq "$1=$version" 2>/dev/null | awk -F"'" '/\.dsc/ {print $2}')
    if [ -n "$uri" ] && curl -sfI --max-time 20 "$uri" >/dev/null 2>&1; then
      echo "$version"
      return
    fi
  done
  echo "$versions" | head -n 1
}
if [ -z "$(source_version wxwidgets3.2)" ] && [ "$updated" = no ]; then
  $sudo apt-get update -qq >&2
fi
wx_version=$(source_version wxwidgets3.2)
png_version=$(source_version libpng1.6)
jpeg_version=$(source_version libjpeg-turbo)
zlib_version=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)
gtest_version=$(dpkg-query -W -f='${Version}' libgtest-dev)
gcc_version=$($CXX_WIN -dumpversion)
for v in wx_version png_version jpeg_version; do
  if [ -z "${!v}" ]; then
    say "cannot find the Debian source package for ${v%_version}: is the network reachable?"
    exit 1
  fi
done
clean_version() { echo "$1" | tr ':~' '__'; }

WX_PREFIX=$CACHE/windows-wx$(clean_version "$wx_version")-png$(clean_version "$png_version")-jpeg$(clean_version "$jpeg_version")-zlib$(clean_version "$zlib_version")-gcc$gcc_version-$RECIPE
GTEST_PREFIX=$CACHE/googletest-$(clean_version "$gtest_version")-mingw-gcc$gcc_version-$RECIPE
mkdir -p "$CACHE"

# One build at a time per cache, so two make runs do not race.
exec 9>"$CACHE/.lock"
flock 9

toolchain_args=(-DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=AMD64
                -DCMAKE_C_COMPILER=$CC_WIN -DCMAKE_CXX_COMPILER=$CXX_WIN
                -DCMAKE_RC_COMPILER=$TARGET-windres
                -DCMAKE_FIND_ROOT_PATH=/usr/$TARGET -DCMAKE_BUILD_TYPE=Release)

fetch_source() { # package version -> prints the unpacked folder
  local package=$1 version=$2
  (cd "$WORK" && apt-get source -qq "$package=$version" >&2)
  find "$WORK" -mindepth 1 -maxdepth 1 -type d -name "${3}*" | head -n 1
}

if [ ! -e "$WX_PREFIX/.complete" ]; then
  start=$(date +%s)
  rm -rf "$WX_PREFIX"
  WORK=$(mktemp -d "$CACHE/work.XXXXXX")
  trap 'rm -rf "$WORK"' EXIT
  say "building libpng $png_version, libjpeg-turbo $jpeg_version and wxWidgets $wx_version for Windows"
  say "(once per machine: about 10 minutes on 2 cores; kept in $WX_PREFIX)"

  png_src=$(fetch_source libpng1.6 "$png_version" libpng1.6-)
  (cd "$png_src" && ./configure -q --host=$TARGET --prefix="$WX_PREFIX" \
      --disable-shared --enable-static CC="$CC_WIN" \
      CPPFLAGS="-I/usr/$TARGET/include" LDFLAGS="-L/usr/$TARGET/lib" >&2 &&
   make -s -j "$JOBS" >&2 && make -s install >&2)

  jpeg_src=$(fetch_source libjpeg-turbo "$jpeg_version" libjpeg-turbo-)
  cmake -S "$jpeg_src" -B "$WORK/jpeg-build" "${toolchain_args[@]}" \
    -DCMAKE_INSTALL_PREFIX="$WX_PREFIX" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF >&2
  cmake --build "$WORK/jpeg-build" -j "$JOBS" >&2
  cmake --install "$WORK/jpeg-build" >&2

  wx_src=$(fetch_source wxwidgets3.2 "$wx_version" wxwidgets3.2-)
  mkdir -p "$WORK/wx-build"
  (cd "$WORK/wx-build" && "$wx_src/configure" -q --host=$TARGET --prefix="$WX_PREFIX" \
      --disable-shared --enable-unicode \
      --with-libpng=sys --with-libjpeg=sys --with-zlib=sys \
      --without-libtiff --without-expat --without-regex --without-liblzma --without-opengl \
      --disable-webview --disable-mediactrl --disable-stc --disable-richtext \
      --disable-ribbon --disable-propgrid --disable-aui --disable-html \
      --disable-xrc --disable-svg CC="$CC_WIN" CXX="$CXX_WIN" \
      CPPFLAGS="-I$WX_PREFIX/include" LDFLAGS="-L$WX_PREFIX/lib" >&2 &&
   make -s -j "$JOBS" >&2 && make -s install >&2)

  touch "$WX_PREFIX/.complete"
  rm -rf "$WORK"
  trap - EXIT
  say "libraries built in $(( $(date +%s) - start )) s"
fi

if [ ! -e "$GTEST_PREFIX/.complete" ]; then
  rm -rf "$GTEST_PREFIX"
  WORK=$(mktemp -d "$CACHE/work.XXXXXX")
  trap 'rm -rf "$WORK"' EXIT
  say "building GoogleTest $gtest_version for Windows"
  cmake -S /usr/src/googletest -B "$WORK/gtest-build" "${toolchain_args[@]}" \
    -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=ON >&2
  cmake --build "$WORK/gtest-build" -j "$JOBS" >&2
  cmake --install "$WORK/gtest-build" >&2
  touch "$GTEST_PREFIX/.complete"
  rm -rf "$WORK"
  trap - EXIT
fi

echo "WX_PREFIX=$WX_PREFIX"
echo "GTEST_PREFIX=$GTEST_PREFIX"
