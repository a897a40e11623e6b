#!/usr/bin/env bash
# The browser build of Vantor.
#   scripts/web.sh build          set up (emscripten, chromium) and build build-web/ and the
#                                 download, build-web/vantor-VERSION-web.tar.gz
#   scripts/web.sh serve [PORT]   build, then serve the page on http://127.0.0.1:PORT/ (8080)
#   scripts/web.sh node ARGS...   run the program under node, headless, in the current folder
#   scripts/web.sh test           build, then the node replay and resume tests and the browser tests
#   scripts/web.sh bench          build, then measure loading, frame pacing and sound latency
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
web="$root/build-web"

setup() {
    # A node from elsewhere (with its own npm) serves as well as Debian's.
    local extra="emscripten chromium"
    command -v npm > /dev/null || extra+=" nodejs npm"
    VANTOR_SETUP_EXTRA="$extra ${VANTOR_SETUP_EXTRA:-}" "$root/scripts/setup.sh"
}

build() {
    setup
    # DATA30.RES, kelvo.res and the icon are made by the native resbuild; the
    # tests take the game's facts from the native program.
    cmake -S "$root" -B "$root/build" -DVANTOR_WERROR=ON > /dev/null
    cmake --build "$root/build" --target game_resources resbuild vantor vantor_players -j"$(nproc)"
    # Debian's emscripten finds its node modules (acorn, terser) here.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S "$root" -B "$web" -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF \
        -DVANTOR_BENCH=OFF -DVANTOR_WERROR=ON -DVANTOR_NATIVE_BUILD="$root/build" > /dev/null
    cmake --build "$web" -j"$(nproc)"
}

test_packages() {
    (cd "$root/web/test" && npm ci --no-audit --no-fund --loglevel=error)
}

command="${1:-}"
[ $# -gt 0 ] && shift
case "$command" in
build) build ;;
serve)
    build
    exec node "$root/web/serve.js" "$web" "${1:-8080}" ;;
node)
    [ -f "$web/vantor-node.js" ] || build >&2
    exec node --no-experimental-fetch "$web/vantor-node.js" "$@" ;;
test)
    build
    test_packages
    "$root/tests/release/check_versions.py" --web "$web"/vantor-"$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$web/CMakeCache.txt")"-web.tar.gz
    node "$root/web/test/replay_test.js" "$root/build/vantor" "$web/vantor-node.js"
    node "$root/web/test/resume_test.js" "$root/build/vantor" "$web/vantor-node.js"
    node "$root/web/test/serve_test.js" "$web"
    node "$root/web/test/browser_test.js" "$web" ;;
bench)
    build
    test_packages
    node "$root/web/test/bench.js" "$web" ;;
*)
    sed -n '2,8s/^# \{0,1\}//p' "$0"
    exit 2 ;;
esac
