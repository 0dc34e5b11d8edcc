#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once per
# machine, into a cache outside the checkout, and prints its prefix on the
# last line of standard output. A cache is trusted only when its stamp is
# there: it is built under a temporary name and renamed into place whole.
#   tools/build-qt-windows.sh            build if missing, print the prefix
#   VELMORA_CACHE=DIR tools/build-qt-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."

qt_version=6.4.2
toolchain_source=cmake/toolchains/mingw-w64-x86_64.cmake
cache=${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}
# The cache changes whenever this script or the toolchain changes.
key=$(cat "$0" "$toolchain_source" | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw64-$key
stamp=$prefix/.velmora-complete

if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

log_dir=$(mktemp -d "${TMPDIR:-/tmp}/velmora-qt-windows.XXXXXX")
step() {
  local name=$1
  shift
  echo "build-qt-windows: $name" >&2
  if ! "$@" >"$log_dir/$name.log" 2>&1; then
    tail -n 30 "$log_dir/$name.log" >&2
    echo "build-qt-windows: step '$name' failed; its whole log is $log_dir/$name.log" >&2
    exit 1
  fi
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

enable_debian_sources() {
  if apt-get source --print-uris qt6-base >/dev/null 2>&1; then return; fi
  as_root tee /etc/apt/sources.list.d/velmora-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  as_root apt-get update -q
}

# Debian names no upstream version in the request; a newer Qt is a new key.
fetch_source() {
  (cd "$work" && apt-get source qt6-base)
  test -d "$work/qt6-base-$qt_version+dfsg"
}

# Only what Velmora's window and its tests load: Core, Gui, Widgets, Test,
# PrintSupport (the calculation sheet's print dialog), the
# windows/offscreen/minimal platforms and the Vista style. Debian's
# tarball has no wintab; Qt 6.4.2 links qwindows.dll only with both Direct2D
# and DirectWrite 3 off, and compiles it without OpenGL only when dynamic GL
# is off too. Without Direct2D, Qt leaves its DirectWrite font engine out,
# yet its Windows print engine still calls it while DirectWrite is on: so
# DirectWrite is off, which changes nothing else that is built.
configure_qt() {
  cmake -S "$work/qt6-base-$qt_version+dfsg" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_printsupport=ON \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF \
    -DFEATURE_directwrite3=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF \
    -DFEATURE_testlib=ON
}

install_qt() {
  cmake --install "$work/build" --prefix "$staging"
}

# Qt's installed CMake files must name the final prefix, never the staging one.
check_relocated() {
  ! grep -rl --include='*.cmake' -F "$staging" "$staging"
}

mkdir -p "$cache"
work=$(mktemp -d "$cache/work.XXXXXX")
staging=$prefix.partial
trap 'rm -rf "$work" "$staging"' EXIT
rm -rf "$staging"
# Qt records the toolchain's path in its own qt.toolchain.cmake, so the file
# is kept at a path that outlives this build.
toolchain=$cache/mingw-w64-x86_64-$key.cmake
cp "$toolchain_source" "$toolchain"

step enable-sources enable_debian_sources
step fetch-source fetch_source
step configure configure_qt
step build cmake --build "$work/build" --parallel "$(nproc)"
step install install_qt
step check-relocation check_relocated
touch "$staging/.velmora-complete"
rm -rf "$prefix"
mv "$staging" "$prefix"
rm -rf "$log_dir"
echo "build-qt-windows: Qt $qt_version for Windows is in $prefix" >&2
echo "$prefix"
