#!/usr/bin/env bash
# The Windows build, made here with mingw-w64 and tried under wine.
#   scripts/windows.sh build   set up, then build-win/vantor.exe, its data files
#                              and the download, build-win/vantor-VERSION-windows-x64.zip
#   scripts/windows.sh test    build, then under wine: the test programs,
#                              web/test/windows_test.js (replays against the
#                              native build, the zip in folders named in other
#                              scripts, a smoke test of the window and full
#                              screen on Xvfb) and the resume test
#   scripts/windows.sh bench   build, then the frame pacing of the window under
#                              wine, and the presents full screen on a 4K screen
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
action=${1:-build}
jobs="$(nproc)"

export WINEPREFIX="$root/build-win/wine" WINEDEBUG=-all WINELOADER=/usr/lib/wine/wine64
# No Mono or Gecko to install, no menu entries to make.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64

# Wine keeps its server, and with it the display it found, for a moment
# after the last program ends; a run on another display waits for it to go.
wine_settle() {
    /usr/lib/wine/wineserver -w
}

fail() {
    echo "windows.sh: $*" >&2
    exit 1
}

build() {
    # The Windows and resume tests are node's (a node from elsewhere serves as well).
    local extra="mingw-w64 libz-mingw-w64-dev googletest wine64 xvfb xauth xdotool imagemagick unzip"
    command -v node >/dev/null || extra+=" nodejs"
    VANTOR_SETUP_EXTRA="$extra" scripts/setup.sh
    # The data files and the icon come from the native art tool.
    cmake -S . -B build -DVANTOR_WERROR=ON >/dev/null
    cmake --build build --target game_resources vantor vantor_players -j"$jobs"
    cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVANTOR_WERROR=ON \
        -DVANTOR_BENCH=OFF -DVANTOR_NATIVE_BUILD="$root/build" >/dev/null
    cmake --build build-win -j"$jobs"
    local zip="$root/build-win/vantor-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)-windows-x64.zip"
    ls -l build-win/vantor.exe "$zip"
}

prepare_wine() {
    [ -f "$WINEPREFIX/system.reg" ] && return
    echo "Setting up the wine prefix $WINEPREFIX"
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
    wine_settle
}

frame_pacing() {
    xvfb-run -a -s "-screen 0 1024x768x24" "$wine" build-win/frame_pacing.exe 35 857
    wine_settle
    for scaling in fill whole; do
        echo "full screen 3840x2160, $scaling:"
        VANTOR_SCALING=$scaling xvfb-run -a -s "-screen 0 3840x2160x24" "$wine" build-win/frame_pacing.exe 35 286 full
        wine_settle
    done
}

case "$action" in
build) build ;;
test)
    build
    prepare_wine
    # The win32 backend's tests open real windows and play into wine's sound
    # output, here ALSA's null device.
    mkdir -p build-win/sound-home
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >build-win/sound-home/.asoundrc
    HOME="$root/build-win/sound-home" xvfb-run -a -s "-screen 0 1024x768x24" \
        ctest --test-dir build-win --output-on-failure -j"$jobs"
    wine_settle
    # Replays against the native build, the zip in folders named in other
    # scripts, unstored scores, the switches and a window on a virtual screen.
    node "$root/web/test/windows_test.js" "$root/build" "$root/build-win"
    # A game closed or killed under wine goes on at the next start as the
    # native game never interrupted.
    node "$root/web/test/resume_test.js" "$root/build/vantor" "$root/build-win/vantor.exe"
    ;;
bench)
    build
    prepare_wine
    frame_pacing
    ;;
*) fail "unknown action '$action' (build, test or bench)" ;;
esac
