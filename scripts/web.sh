#!/usr/bin/env bash
# The game in a browser: builds it with Debian's Emscripten into build-web/
# (index.html, page.js, page.css, gullmar.js, gullmar.wasm, gullmar.data: a
# folder of static files any web server can serve) and serves that folder on
# http://127.0.0.1:8080/ until Ctrl-C.
# Usage: scripts/web.sh [--no-serve] [--werror]
#   --no-serve  only build
#   --werror    warnings are errors (our own test command)
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
werror=OFF
for arg in "$@"; do
  case $arg in
  --no-serve) serve=0 ;;
  --werror) werror=ON ;;
  *)
    echo "usage: scripts/web.sh [--no-serve] [--werror]" >&2
    exit 2
    ;;
  esac
done
scripts/deps.sh web
# Debian's Emscripten finds its JavaScript tools' modules here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DGULLMAR_WERROR=$werror >/dev/null
cmake --build build-web --parallel "$(nproc)"
[ $serve -eq 1 ] || exit 0
echo "Play at http://127.0.0.1:8080/ (Ctrl-C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 8080 --directory build-web
