#!/usr/bin/env bash
# Makes sure the Debian packages that the game needs are installed.
# Usage: scripts/deps.sh play|test|web
# As root it installs what is missing; otherwise it prints the apt-get line
# to run and fails.
set -euo pipefail

packages=(g++ cmake make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libgles-dev libopenal-dev
          libsndfile1-dev libpng-dev libsdl2-dev)
# The browser build (scripts/web.sh): Emscripten, and Python's web server.
web=(emscripten python3)
if [ "${1:-play}" = "web" ]; then
  packages=(cmake make "${web[@]}")
elif [ "${1:-play}" = "test" ]; then
  # clang and its runtime build the fuzz targets and the game as a clang user
  # would; llvm brings llvm-symbolizer for readable sanitizer reports.
  # dpkg-dev gives the packager's flags (dpkg-buildflags), binutils the
  # readelf that checks the packaged program's hardening.
  # desktop-file-utils and appstream validate the desktop entry and the
  # metainfo; man-db shows the manual page. The browser tests drive Debian's
  # Chromium through WebDriver.
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev libegl-dev xvfb xauth xdotool x11-utils imagemagick python3
             clang libclang-rt-14-dev llvm dpkg-dev binutils desktop-file-utils appstream man-db
             "${web[@]}" chromium chromium-driver python3-selenium)
else
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
