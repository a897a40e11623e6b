#!/usr/bin/env bash
# Makes the downloads of the checked-out commit, and their SHA256SUMS, in dist/:
#   vantor_VERSION_amd64.deb        the Debian package
#   vantor-VERSION-windows-x64.zip  vantor.exe with its data, guide and licence
#   vantor-VERSION-web.tar.gz       the page as a static site, compressed copies included
#   vantor-VERSION-src.tar.gz       the committed tree, as git archive makes it
# The same commit gives the same bytes wherever and whenever it is built.
#   scripts/release.sh          set up, build the three programs (no tests) in
#                               build-release/, pack, read each download's version
#   scripts/release.sh --check  the same twice, in two fresh clones in other
#                               folders, time zones and umasks: wants the same
#                               sums and no build folder named in the downloads
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc)"
work="$root/build-release"
dist="$root/dist"

fail() {
    echo "release.sh: $*" >&2
    exit 1
}

setup() {
    VANTOR_SETUP_EXTRA="git ccache mingw-w64 libz-mingw-w64-dev emscripten nodejs" scripts/setup.sh
    # Fresh folders still find what other folders compiled.
    if command -v ccache >/dev/null; then
        export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-ccache}"
        export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
        export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
    fi
}

committed() {
    [ -z "$(git status --porcelain --untracked-files=no)" ] ||
        fail "the downloads are made of the committed tree: commit or stash the changes first"
}

# Times inside the downloads are the commit's.
packed_at_commit() {
    commit="$(git rev-parse HEAD)"
    SOURCE_DATE_EPOCH="$(git log -1 --format=%ct "$commit")"
    export SOURCE_DATE_EPOCH
}

native() {
    cmake -S . -B "$work/native" -DVANTOR_WERROR=ON -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF >/dev/null
    cmake --build "$work/native" -j"$jobs"
    # CPack gives the package's outer members the umask's modes.
    (umask 022 && cpack --config "$work/native/CPackConfig.cmake" -B "$work/package" >/dev/null)
    cp "$work/package/vantor_${version}_amd64.deb" "$dist/"
}

windows() {
    cmake -S . -B "$work/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVANTOR_WERROR=ON \
        -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF -DVANTOR_NATIVE_BUILD="$work/native" >/dev/null
    cmake --build "$work/windows" --target windows_zip -j"$jobs"
    cp "$work/windows/vantor-$version-windows-x64.zip" "$dist/"
}

web() {
    # Debian's emscripten finds its node modules (acorn, terser) here.
    NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B "$work/web" -DCMAKE_BUILD_TYPE=Release \
        -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF -DVANTOR_WERROR=ON -DVANTOR_NATIVE_BUILD="$work/native" >/dev/null
    NODE_PATH=/usr/share/nodejs cmake --build "$work/web" --target web_archive -j"$jobs"
    cp "$work/web/vantor-$version-web.tar.gz" "$dist/"
}

source_archive() {
    git -c tar.umask=0022 archive --format=tar --prefix="vantor-$version/" "$commit" |
        gzip -9 -n >"$dist/vantor-$version-src.tar.gz"
}

downloads() {
    echo "vantor_${version}_amd64.deb vantor-$version-windows-x64.zip vantor-$version-web.tar.gz vantor-$version-src.tar.gz"
}

release() {
    setup
    committed
    packed_at_commit
    version="$(sed -n 's/^project(vantor VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)"
    rm -rf "$work" "$dist"
    mkdir -p "$dist"
    native
    windows
    web
    source_archive
    dpkg-deb -x "$dist/vantor_${version}_amd64.deb" "$work/unpacked"
    tests/release/check_versions.py --deb "$dist/vantor_${version}_amd64.deb" \
        --zip "$dist/vantor-$version-windows-x64.zip" --web "$dist/vantor-$version-web.tar.gz" \
        --src "$dist/vantor-$version-src.tar.gz" --program "$work/unpacked/usr/games/vantor"
    (cd "$dist" && sha256sum $(downloads) >SHA256SUMS)
    echo "dist/, made of ${commit:0:7}:"
    (cd "$dist" && ls -l $(downloads) && cat SHA256SUMS)
}

# Every file of a run's downloads unpacked under one folder, to be searched.
unpack() {
    local from=$1 into=$2 name
    for name in $(cd "$from" && ls); do
        mkdir -p "$into/$name"
        case "$name" in
        *.deb) dpkg-deb -x "$from/$name" "$into/$name" ;;
        *.zip) python3 -m zipfile -e "$from/$name" "$into/$name" ;;
        *.tar.gz) tar -xzf "$from/$name" -C "$into/$name" ;;
        esac
    done
}

check() {
    committed
    local base="$root/build-check" commit runs=() started
    commit="$(git rev-parse HEAD)"
    rm -rf "$base"
    # Two depths, two zones far apart, two umasks.
    for run in "one:UTC:022" "second/clone/of/vantor:Pacific/Chatham:002"; do
        local dir="$base/${run%%:*}" zone mask
        zone="$(cut -d: -f2 <<<"$run")" mask="${run##*:}"
        mkdir -p "$(dirname "$dir")"
        git clone -q --no-hardlinks "$root" "$dir"
        git -C "$dir" checkout -q --detach "$commit"
        started=$SECONDS
        (cd "$dir" && umask "$mask" && TZ="$zone" scripts/release.sh) >"$dir.log" 2>&1 ||
            { tail -30 "$dir.log"; fail "the release in $dir failed (its log: $dir.log)"; }
        echo "built in $dir ($zone, umask $mask): $((SECONDS - started)) s"
        runs+=("$dir")
    done
    local same=yes
    diff "${runs[0]}/dist/SHA256SUMS" "${runs[1]}/dist/SHA256SUMS" || same=no
    local found=""
    for dir in "${runs[@]}"; do
        unpack "$dir/dist" "$dir.unpacked"
        found+="$(grep -rlaF "$base" "$dir.unpacked" || true)"
    done
    [ -z "$found" ] || { echo "build folders named in:"; echo "$found"; }
    [ "$same" = yes ] || fail "the two builds differ (above); their downloads: ${runs[0]}/dist ${runs[1]}/dist"
    [ -z "$found" ] || fail "downloads name the folders they were built in"
    echo "--check: the two builds of $(git rev-parse --short HEAD) are the same, byte for byte:"
    cat "${runs[0]}/dist/SHA256SUMS"
    echo "and no download names the folder it was built in"
}

case "${1:-}" in
"") release ;;
--check) setup && check ;;
*) sed -n '2,13s/^# \{0,1\}//p' "$0"; exit 2 ;;
esac
