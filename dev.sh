#!/usr/bin/env bash
# The project's entry points on a Debian 12 machine. Each installs what is
# missing first (with sudo when not root).
#   ./dev.sh run            build and open the window
#   ./dev.sh test           check the formatting, build as CI does (warnings are
#                           errors), run every test
#   ./dev.sh tidy           clang-tidy over every source, any finding fails
#   ./dev.sh sanitize       build with AddressSanitizer and UBSan, run every test
#   ./dev.sh fuzz [SECONDS] build the fuzz targets and run each for SECONDS (30)
#   ./dev.sh package        build the .deb, install it with apt, start it
#   ./dev.sh windows        cross-build for 64-bit Windows (building Qt for it
#                           once per machine), run every test under Wine, pack
#                           the zip and the installer, try both under Wine
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-liberation2 fonts-wine
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file
  lintian devscripts man-db qt6-translations-l10n xvfb xdotool x11-utils openbox
  imagemagick at-spi2-core python3-pyatspi dbus-daemon pandoc qt6ct poppler-utils qpdf faketime
)

# The Windows build: Debian's mingw-w64, Wine and NSIS, and what Qt's own
# build and the packages are made with.
windows_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 fonts-wine nsis googletest librsvg2-bin icoutils
  xvfb openbox xdotool xclip x11-utils imagemagick locales
  wixl msitools faketime osslsigncode openssl python3 unzip
  softhsm2 libengine-pkcs11-openssl
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

check_format() {
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
  echo "clang-format: every C++ file is formatted"
}

build() {
  cmake --preset "$1"
  cmake --build --preset "$1"
}

fuzz() {
  local seconds=$1
  build fuzz
  local scratch
  scratch=$(mktemp -d)
  for target in number_texts size_receiver; do
    # New inputs go to the scratch folder; the committed seeds stay as they are.
    mkdir -p "$scratch/$target"
    if ! "build/fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        "$scratch/$target" "fuzz/corpus/$target" >"$scratch/$target.log" 2>&1; then
      tail -n 40 "$scratch/$target.log"
      echo "fuzzing $target found a fault; the input is in $scratch" >&2
      return 1
    fi
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$scratch/$target.log")"
  done
  rm -rf "$scratch"
}

# Configures and builds the package in a clean folder with the flags Debian
# builds its own packages with (hardening=+all), then packs it.
build_package_in() {
  local dir=$1
  rm -rf "$dir"
  local flags
  flags="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)"
  flags+=" $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)"
  # Control-flow and stack-clash protection, which Debian 12's defaults do not
  # add yet; where the build folder is must not show in the binary.
  flags+=" -fcf-protection -fstack-clash-protection -ffile-prefix-map=$dir=."
  CXXFLAGS=$flags LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
    cmake --preset package -B "$dir" >/dev/null
  cmake --build "$dir"
  (cd "$dir" && cpack -G DEB >/dev/null)
}

package() {
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
  build_package_in "$PWD/build/package"
  local deb
  deb=$(ls build/package/velmora_*.deb)
  # A second build elsewhere must give the same bytes.
  local elsewhere
  elsewhere=$(mktemp -d)
  # Kept only where it differs, to be compared. Named now: a local is gone
  # by the time a failed build ends the script.
  # shellcheck disable=SC2064
  trap "rm -rf $(printf '%q' "$elsewhere")" EXIT
  build_package_in "$elsewhere/velmora-build"
  if ! cmp "$deb" "$elsewhere/velmora-build/$(basename "$deb")"; then
    trap - EXIT
    echo "the package is not reproducible; the second build is in $elsewhere" >&2
    return 1
  fi
  rm -rf "$elsewhere"
  trap - EXIT
  echo "reproducible: two builds in different folders gave the same $(basename "$deb")"
  (cd build/package && sha256sum "$(basename "$deb")" >SHA256SUMS)
  lintian --fail-on error,warning --display-info "$deb"
  local contents
  contents=$(dpkg -c "$deb")
  for guide in "Kullanım Kılavuzu.html" "User Guide.html"; do
    grep -q "/usr/share/doc/velmora/$guide\$" <<<"$contents" || {
      echo "the package has no /usr/share/doc/velmora/$guide" >&2
      return 1
    }
  done
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb"
  # Two of hardening-check's findings cannot be had on Debian 12, so those are
  # checked where the flags were given instead. Fortify: it looks for __*_chk
  # calls, and there are none to find, since libstdc++ copies with
  # __builtin_memmove, which the fortify wrappers never see. Control flow: the
  # linker marks a binary only when every object in it was built so, and
  # Debian 12's own start files were not (no binary of Debian 12 passes).
  hardening-check --nofortify --nocfprotection /usr/bin/velmora \
    "$(dpkg -L velmora | grep -m1 '/velmora/libvelmora-printing\.so$')"
  grep -q -- '-D_FORTIFY_SOURCE=2 .*-fcf-protection' build/package/CMakeCache.txt
  tools/check-installed-program.sh /usr/bin/velmora
  as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q velmora
}

# Wine takes the user's regional settings from the glibc locale.
ensure_turkish_locale() {
  grep -qi '^tr_TR.utf8$' <<<"$(locale -a)" && return
  as_root sed -i 's/^# *tr_TR.UTF-8 UTF-8/tr_TR.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen
}

windows() {
  ensure_turkish_locale
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
  VELMORA_QT_WINDOWS=$(tools/build-qt-windows.sh)
  export VELMORA_QT_WINDOWS
  build windows
  # One prefix for the tests, made before they start so that two tests
  # running at once never both set it up.
  export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all
  if [ ! -d "$WINEPREFIX/drive_c" ]; then
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
  fi
  ctest --preset windows
  # The whole signing path with a certificate made for the run, and only
  # that one: a signature that fails stops the build and leaves no download
  # (the check packs, and takes its downloads away); every program and
  # library shipped, the installer and the MSI are signed, verify and carry
  # a timestamp; the signed downloads install, run and uninstall under Wine.
  # shellcheck disable=SC2016
  tools/with-throwaway-certificate.sh bash -euo pipefail -c '
    tools/check-failed-signature.sh build/windows
    cmake --build --preset windows --target windows_packages
    package=velmora-$(sed -n "s/^CMAKE_PROJECT_VERSION:STATIC=//p" build/windows/CMakeCache.txt)-windows-x64
    tools/check-signatures.sh "build/windows/stage/$package" \
      "build/windows/$package-setup.exe" "build/windows/$package.msi"
    tools/check-windows-program.sh build/windows'
  # A key on a PKCS#11 token signs as a file's does.
  # shellcheck disable=SC2016
  tools/with-throwaway-certificate.sh --token bash -euo pipefail -c '
    copy=$(mktemp -d)
    cp build/windows/bin/velmora.exe "$copy/"
    tools/sign-windows.sh "$copy/velmora.exe"
    tools/check-signatures.sh "$copy/velmora.exe"
    rm -rf "$copy"'
  # The downloads as released, signed only where a certificate is given.
  # Unsigned, packing twice gives the same bytes; a signature carries the
  # time it was made, so signed ones differ by that.
  tools/sign-windows.sh --status
  cmake --build --preset windows --target windows_packages
  if [ -z "${VELMORA_SIGN_PKCS12:-}${VELMORA_SIGN_PKCS11_MODULE:-}" ]; then
    cp build/windows/SHA256SUMS build/windows/SHA256SUMS.first
    cmake --build --preset windows --target windows_packages
    if ! diff build/windows/SHA256SUMS.first build/windows/SHA256SUMS; then
      echo "packing twice gave different downloads" >&2
      return 1
    fi
    rm build/windows/SHA256SUMS.first
    echo "reproducible: packed twice, the same zip, installer and MSI"
  fi
  (cd build/windows && sha256sum -c SHA256SUMS)
  ls -l build/windows/velmora-*-windows-x64.zip build/windows/velmora-*-windows-x64-setup.exe \
    build/windows/velmora-*-windows-x64.msi build/windows/SHA256SUMS
}

case "${1:-}" in
  run) install_missing; build default; exec build/default/app/velmora ;;
  test) install_missing; check_format; build ci; ctest --preset ci ;;
  tidy) install_missing; build ci; tools/tidy.sh build/ci ;;
  # The exhaustive slices run in the plain build; under the sanitizers the
  # fuzzers drive the same formatting code far harder, and faster.
  sanitize) install_missing; build asan; ctest --preset asan ;;
  fuzz) install_missing; fuzz "${2:-30}" ;;
  package) install_missing; package ;;
  windows) install_missing "${windows_packages[@]}"; windows ;;
  *) echo "usage: $0 run|test|tidy|sanitize|fuzz [SECONDS]|package|windows" >&2; exit 2 ;;
esac
