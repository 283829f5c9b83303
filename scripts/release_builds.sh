#!/usr/bin/env bash
# Builds the game alone, without tests and benchmarks, as players and
# packagers build it, with warnings as errors so that no compiler we can try
# warns; each build has a folder of its own:
#   build-clang/    clang in Release, the game only
#   build-package/  g++ with CMAKE_BUILD_TYPE=None and the flags Debian's
#                   dpkg-buildflags gives with all hardening on; installed into
#                   build-package/stage/ and the installed program checked for
#                   that hardening (scripts/hardening_check.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== the game alone with clang in Release (build-clang/)"
CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=Release -DGULLMAR_BUILD_TESTS=OFF \
  -DGULLMAR_WERROR=ON >/dev/null
cmake --build build-clang --parallel "$(nproc)" --target gullmar

echo "== the game alone as a Debian package builds it (build-package/)"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS, so the preprocessor's flags (_FORTIFY_SOURCE) ride
# along with the compilers'. They are given on every run, not only the first,
# so the folder never keeps flags of an older run.
cppflags=$(dpkg-buildflags --get CPPFLAGS)
CC=gcc CXX=g++ cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DGULLMAR_BUILD_TESTS=OFF \
  -DGULLMAR_WERROR=ON \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package --parallel "$(nproc)"
rm -rf build-package/stage
DESTDIR=$PWD/build-package/stage cmake --install build-package --prefix /usr >/dev/null
scripts/hardening_check.sh build-package/stage/usr/libexec/gullmar/gullmar
