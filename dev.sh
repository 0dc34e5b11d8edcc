#!/usr/bin/env bash
# The project's two entry points on a Debian 12 machine:
#   ./dev.sh run    install what is missing, build, open the window
#   ./dev.sh test   install what is missing, build as CI does, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ clang
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-liberation2
)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake --preset "$1"
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    install_missing
    build default
    exec build/default/app/velmora
    ;;
  test)
    install_missing
    build ci
    ctest --preset ci
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
