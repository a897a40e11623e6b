#!/usr/bin/env bash
# The Windows build, made here with mingw-w64 and tried under wine.
#   scripts/windows.sh build   set up, then build-win/vantor.exe, its data files
#                              and the download, build-win/vantor-VERSION-windows-x64.zip
#   scripts/windows.sh test    build, then under wine: the test programs, the
#                              replays against the native build, games closed
#                              or killed and resumed, a smoke test
#                              of the window and full screen on Xvfb (with a
#                              swap made by keys)
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
    # The players and the resume test are node's (a node from elsewhere serves as well).
    local extra="mingw-w64 libz-mingw-w64-dev googletest wine64 xvfb xauth xdotool imagemagick unzip"
    command -v node >/dev/null || extra+=" nodejs"
    VANTOR_SETUP_EXTRA="$extra" scripts/setup.sh
    # The data files and the icon come from the native art tool.
    cmake -S . -B build -DVANTOR_WERROR=ON >/dev/null
    cmake --build build --target game_resources vantor vantor_players -j"$jobs"
    cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVANTOR_WERROR=ON \
        -DVANTOR_BENCH=OFF -DVANTOR_NATIVE_BUILD="$root/build" >/dev/null
    cmake --build build-win -j"$jobs"
    zip="$root/build-win/vantor-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)-windows-x64.zip"
    ls -l build-win/vantor.exe "$zip"
}

prepare_wine() {
    [ -f "$WINEPREFIX/system.reg" ] && return
    echo "Setting up the wine prefix $WINEPREFIX"
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
    wine_settle
}

# The random players of every replay test (web/test/players.js).
click_script() { node "$root/web/test/players.js" clicker "$2" "$1"; }
pad_script() { node "$root/web/test/players.js" pad "$1"; }

# The controller script plays the same game natively and under wine: the
# same play-frame trace and the same scores.
controller_replay() {
    local dir="$root/build-win/controller"
    rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
    cp "$root/build/DATA30.RES" "$root/build/kelvo.res" .
    pad_script 8000 >pad.txt
    export VANTOR_HOME="" VANTOR_BACKEND=headless VANTOR_FRAMES=8000 VANTOR_INPUT=pad.txt
    VANTOR_TRACE=native.txt "$root/build/vantor" 2>/dev/null
    mv HIGH30 native-HIGH30
    mv GAME30 native-GAME30
    VANTOR_TRACE=windows.txt "$wine" "$root/build-win/vantor.exe" 2>/dev/null
    unset VANTOR_HOME VANTOR_BACKEND VANTOR_FRAMES VANTOR_INPUT
    cmp native.txt windows.txt || fail "controller: the Windows trace differs from the native one"
    cmp native-HIGH30 HIGH30 || fail "controller: the Windows scores differ from the native ones"
    cmp native-GAME30 GAME30 || fail "controller: the Windows kept game differs from the native one"
    echo "controller: $(wc -l <native.txt) play frames, $(($(stat -c %s HIGH30) / 40)) scores and the kept game, the same on both"
    cd "$root"
}

# Records a game natively, plays it back natively and under wine, and wants
# the two play-frame traces equal, byte for byte.
replay() {
    local seed=$1 frames=6000 dir="$root/build-win/replay-$1"
    rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
    cp "$root/build/DATA30.RES" "$root/build/kelvo.res" .
    click_script "$seed" "$frames" >clicks.txt
    grep ' char ' clicks.txt >keys.txt
    export VANTOR_HOME="" VANTOR_BACKEND=headless VANTOR_FRAMES=$frames
    VANTOR_INPUT=clicks.txt "$root/build/vantor" "ЖАВОРОНОК" 2>/dev/null
    [ -s DATA32.RES ] || fail "replay $seed: no recording was made"
    rm -f HIGH30
    VANTOR_INPUT=keys.txt VANTOR_TRACE=native.txt "$root/build/vantor" 3 2>/dev/null
    rm -f HIGH30
    VANTOR_INPUT=keys.txt VANTOR_TRACE=windows.txt "$wine" "$root/build-win/vantor.exe" 3 2>/dev/null
    unset VANTOR_HOME VANTOR_BACKEND VANTOR_FRAMES
    local lines
    lines=$(wc -l <native.txt)
    [ "$lines" -ge 1000 ] || fail "replay $seed: only $lines play frames, the clicks missed the game"
    cmp native.txt windows.txt || fail "replay $seed: the Windows trace differs from the native one"
    echo "replay $seed: $lines play frames, the same on both"
    cd "$root"
}

# The zip unpacked into folders named in other scripts, started from yet
# another such folder as a shortcut or launcher would: it records a game and
# stores the score in its own folder (input script, snapshots, sound and
# trace named there too), and the recording's replay, with the scores left
# to their default place, gives the native trace.
other_scripts() {
    local base="$root/build-win/folders" roaming name
    roaming="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vantor"
    rm -rf "$base" && mkdir -p "$base/Запуск 启动" && cd "$base/Запуск 启动"
    # Wine reads names, arguments and the environment in the locale's encoding.
    export LC_ALL=C.UTF-8 VANTOR_BACKEND=headless VANTOR_FRAMES=6000
    for name in "Игры и Ёлки" "Games Ёж" "Games 游戏"; do
        local dir="$base/$name" win="Z:$base/$name"
        unzip -q "$zip" -d "$dir"
        click_script 1 6000 >"$dir/щелчки.txt"
        grep ' char ' "$dir/щелчки.txt" >"$dir/клавиши.txt"
        rm -f DATA32.RES "$roaming/HIGH30"
        VANTOR_HOME="$win/" VANTOR_INPUT="$win/щелчки.txt" VANTOR_SNAPSHOTS="$win/снимки" \
            VANTOR_SNAPSHOT_AT=100,3000 VANTOR_WAV="$win/звук.wav" \
            "$wine" "$dir/vantor.exe" "ЖАВОРОНОК" 2>/dev/null || fail "$name: the game ended badly"
        [ -s DATA32.RES ] || fail "$name: no recording in the folder started from"
        [ -s "$dir/HIGH30" ] && [ $(($(stat -c %s "$dir/HIGH30") % 40)) -eq 0 ] ||
            fail "$name: no score stored in the game's folder"
        [ "$(ls "$dir/снимки" | wc -l)" -eq 2 ] && [ -s "$dir/звук.wav" ] ||
            fail "$name: snapshots or sound missing"
        VANTOR_INPUT="$win/клавиши.txt" VANTOR_TRACE="$win/след.txt" \
            "$wine" "$dir/vantor.exe" 3 2>/dev/null || fail "$name: the replay ended badly"
        [ -s "$roaming/HIGH30" ] || fail "$name: the replay stored no score in %APPDATA%\\Vantor"
        VANTOR_HOME="$base/" VANTOR_INPUT="$dir/клавиши.txt" VANTOR_TRACE=native.txt \
            "$root/build/vantor" 3 2>/dev/null
        cmp native.txt "$dir/след.txt" || fail "$name: the Windows trace differs from the native one"
        rm native.txt
        [ ! -e HIGH30 ] || fail "$name: a score was stored in the folder started from"
        echo "$name: recorded, stored a score, replayed $(wc -l <"$dir/след.txt") play frames as natively"
    done
    unset LC_ALL VANTOR_BACKEND VANTOR_FRAMES
    cd "$root"
}

# A score that cannot be stored, as a player of the Windows build meets it:
# one box names the file and the reason, the file keeps what it held and
# nothing is left beside it. Wine, run as the superuser, writes through
# permissions, so the read-only folders are made immutable instead.
unstored_scores() {
    local base="$root/build-win/unstored" case
    rm -rf "$base" && mkdir -p "$base" && cd "$base"
    click_script 1 6000 >clicks.txt
    { printf 'KEPT' && head -c 32 /dev/zero && printf 'F\0\0\0'; } >kept
    for case in file folder empty-folder; do
        local home="$base/$case" said boxes
        mkdir "$home"
        [ "$case" = empty-folder ] || cp kept "$home/HIGH30"
        if [ "$case" = file ]; then
            chmod 444 "$home/HIGH30"
        elif ! chattr +i "$home" 2>/dev/null; then
            echo "unstored scores, $case: skipped, this file system has no immutable folders"
            continue
        fi
        said=$(VANTOR_HOME="Z:$home/" VANTOR_BACKEND=headless VANTOR_FRAMES=6000 VANTOR_INPUT=clicks.txt \
            "$wine" "$root/build-win/vantor.exe" 2>&1 >/dev/null | tr -d '\r') || true
        chattr -i "$home" 2>/dev/null || true
        boxes=$(grep -c "^message box: ERROR!: Can't store the score in Z:$home/HIGH30: .*[^.]\.$" <<<"$said" || true)
        [ "$boxes" -eq 1 ] || fail "unstored scores, $case: $boxes boxes for one game: $said"
        if [ "$case" = empty-folder ]; then
            [ -z "$(ls -A "$home")" ] || fail "unstored scores, $case: files were left: $(ls -A "$home")"
        else
            cmp -s kept "$home/HIGH30" || fail "unstored scores, $case: HIGH30 changed"
            # Beside a read-only HIGH30 the game in play is still kept.
            local left=HIGH30
            [ "$case" = file ] && left="GAME30 HIGH30"
            [ "$(ls -A "$home" | xargs)" = "$left" ] || fail "unstored scores, $case: files were left: $(ls -A "$home")"
        fi
        echo "unstored scores, $case: $(grep "^message box" <<<"$said" | cut -c 14-)"
    done
    cd "$root"
}

# The switches as a player of the Windows build meets them: the zip holds
# the guide and the licence, the program's properties name the version, and
# a mistyped switch is answered in a box, not only on the invisible stderr.
switches() {
    [ "$(unzip -Z1 "$zip" | grep -cx 'README.txt\|LICENSE.txt')" -eq 2 ] || fail "the zip lacks README.txt or LICENSE.txt"
    tests/release/check_versions.py --zip "$zip" || fail "the version resource"
    local status=0 said
    said=$(VANTOR_BACKEND=headless "$wine" build-win/vantor.exe --widnow 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "an unknown switch ended with status $status"
    grep -q "^message box: ERROR!: --widnow is not an option" <<<"$said" &&
        grep -q "^Options: .* --window " <<<"$said" || fail "an unknown switch showed no box with the usage: $said"
    echo "switches: the zip holds README.txt and LICENSE.txt; an unknown switch shows the usage in a box"
}

# Starts the window under wine on a virtual screen, clicks through to the
# play screen, takes a screenshot, swaps two pieces with the arrow keys and
# Enter, switches to full screen, where the picture must fill the largest 4:3
# part and a click select the piece under it, closes the window and wants
# status 0.
smoke() {
    local dir="$root/build-win/smoke"
    rm -rf "$dir" && mkdir -p "$dir"
    cp build-win/vantor.exe build-win/DATA30.RES build-win/kelvo.res "$dir"
    # The play screen's SCORE label, as the native build shows it after clicks at its middle.
    (cd "$dir" && mkdir shots && seq 20 30 600 | awk '{ print $1, "mouse 320 240"; print $1, "press left"; print $1 + 2, "release left" }' >clicks.txt &&
        VANTOR_HOME="" VANTOR_BACKEND=headless VANTOR_FRAMES=600 VANTOR_SNAPSHOTS=shots VANTOR_SNAPSHOT_AT=all \
        VANTOR_INPUT=clicks.txt "$root/build/vantor" 2>/dev/null && rm -f HIGH30 GAME30)
    local reference
    reference=$(ls "$dir"/shots/present-*.png | tail -1)
    convert "$reference" -crop 90x14+470+52 +repage "$dir/label-native.png"
    rm -rf "$dir/shots"
    wine_settle
    xvfb-run -a -s "-screen 0 1280x800x24" scripts/windows.sh smoke-inside "$dir"
}

# Full screen on the 1280 x 800 screen: the picture 1066 x 800 in the middle;
# a click at a resting piece's centre selects it, read at that very point.
smoke_full_screen() {
    local window=$1
    xdotool key --window "$window" alt+Return
    sleep 2
    local geometry
    geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
    [ "$geometry" = "1280x800" ] || fail "smoke: full screen is $geometry, not 1280x800"
    "$root/tests/desktop/check_desktop.py" --fill-and-select trace.txt ||
        fail "smoke: full screen does not fill 1066x800+107+0 or a click missed its piece"
}

# The part of the smoke test that runs on the virtual screen.
smoke_inside() {
    local dir=$1
    cd "$dir"
    VANTOR_HOME="" VANTOR_WINDOW=1 VANTOR_TRACE=trace.txt "$wine" ./vantor.exe >run.log 2>&1 &
    game=$!
    # A failing check leaves no game behind.
    trap 'kill "$game" 2>/dev/null || true' EXIT
    local window=""
    for _ in $(seq 60); do
        window=$(xdotool search --name '^TIDEWELL$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || fail "smoke: no TIDEWELL window appeared"
    sleep 3
    local geometry
    geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
    [ "$geometry" = "640x480" ] || fail "smoke: the window is $geometry, not 640x480"
    # The intro, the title and the table each wait for a click.
    local differ=""
    for _ in $(seq 30); do
        xdotool mousemove --window "$window" 320 240 click 1
        sleep 1
        import -window "$window" window.png
        convert window.png -crop 90x14+470+52 +repage label-shown.png
        differ=$(compare -metric AE label-shown.png label-native.png null: 2>&1 || true)
        [ "$differ" = "0" ] && break
    done
    [ "$differ" = "0" ] || fail "smoke: no play screen after 30 clicks ($differ pixels of the SCORE label differ)"
    sleep 3  # the first pieces fly in
    import -window "$window" window.png
    local colours
    colours=$(identify -format '%k' window.png)
    [ "$colours" -ge 100 ] || fail "smoke: the screenshot has only $colours colours"
    # The arrows and Enter alone swap two pieces, the mouse resting where it clicked.
    "$root/tests/desktop/check_desktop.py" --key-swap trace.txt || fail "smoke: no swap with the keys"
    smoke_full_screen "$window"
    xdotool key --window "$window" alt+F4
    local status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "smoke: closing the window ended the program with status $status"
    grep -q "launch: TIDEWELL.EXE P" run.log || fail "smoke: the program did not end normally"
    # Alt+F4 in play keeps the game: GAME30 holds a game in play (kind 1).
    [ "$(head -c 6 GAME30 | od -An -tx1 | tr -d ' \n')" = 563330470101 ] || fail "smoke: Alt+F4 did not keep the game"
    echo "smoke: a 640x480 window with $colours colours showed the play screen, swapped two pieces with the keys, closed with status 0 and kept the game"
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
    replay 1
    replay 2
    controller_replay
    # A game closed or killed under wine goes on at the next start as the
    # native game never interrupted (node's built-in test runner alone).
    node "$root/web/test/resume_test.js" "$root/build/vantor" "$root/build-win/vantor.exe"
    other_scripts
    unstored_scores
    switches
    smoke
    ;;
bench)
    build
    prepare_wine
    frame_pacing
    ;;
smoke-inside) smoke_inside "$2" ;;
*) fail "unknown action '$action' (build, test or bench)" ;;
esac
