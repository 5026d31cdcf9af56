#!/bin/sh
# Builds Ordalis... and either starts it or runs every test.
#   ./build.sh run    build, then start the program
#   ./build.sh test   build, then run all tests (used by CI): the Linux
#                     build's, then the Windows core's, cross-built in
#                     ${BUILD_DIR:-build}-windows and run under Wine, then,
#                     when the Qt for Windows is in the cache, the whole
#                     Windows program's (${BUILD_DIR:-build}-windows-qt)
#   ./build.sh windows  build Qt for Windows into the cache if it is not
#                     there (tools/qt-windows/build-qt.sh), then the Windows
#                     program, its folder and its installer
# Installs the Debian packages it needs when they are missing (as root).
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake make g++ pkg-config libgtest-dev libgl-dev \
qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n"
# The screen-reader test runs the program under a virtual display; the
# package test builds the Debian package with Debian's tools and checks it
# (lintian, AppStream, desktop entry, manual pages); the Windows core is built with MinGW-w64
# and tested under Wine; the share test runs a private Samba server; the test
# command ends with the tests under the sanitizers and the fuzz targets
# (built with Clang and its libFuzzer runtime), unless ORDALIS_SANITIZE_RUN=0.
[ "${1:-run}" = test ] && PACKAGES="$PACKAGES xvfb xauth dbus-daemon at-spi2-core python3-pyatspi \
g++-mingw-w64-x86-64-posix wine wine64 googletest samba smbclient acl \
dpkg-dev debhelper lintian appstream desktop-file-utils man-db"
# The Windows program: the installer (NSIS), the smoke run of its window
# under Wine on a virtual display (found with xdotool, photographed with
# xwd and netpbm) and the pictures rendered from SVG (rsvg-convert).
case "${1:-run}" in test|windows) PACKAGES="$PACKAGES g++-mingw-w64-x86-64-posix wine wine64 googletest \
xvfb xauth nsis xdotool x11-apps netpbm librsvg2-bin dpkg-dev ninja-build" ;; esac
[ "${1:-run}" = test ] && [ "${ORDALIS_SANITIZE_RUN:-1}" = 1 ] && PACKAGES="$PACKAGES clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $missing
fi

BUILD=${BUILD_DIR:-build}

# The tests again under the sanitizers, each build in a folder of its own:
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer on the core
# and window tests; ThreadSanitizer on the tests of the worker threads, the
# walk and the search (Qt's own libraries are not built for it). A finding
# fails the test that met it; tests/sanitizers/ holds the suppressions.
sanitizer_tests() {
    ok=0
    SUPP="$(pwd)/tests/sanitizers"
    export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$SUPP/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="suppressions=$SUPP/ubsan.supp:print_stacktrace=1:halt_on_error=1"
    export TSAN_OPTIONS="suppressions=$SUPP/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
    ASAN="$BUILD-asan"
    # Configured again each time, so that a test program added since is a target.
    cmake --preset asan -B "$ASAN" >/dev/null
    cmake --build "$ASAN" -j"$(nproc)" --target core_tests $(cd tests/gui && ls tst_*.cpp | sed 's/\.cpp$//') \
        || return 1
    # A build without the sanitizer runtime would pass for a clean one.
    ldd "$ASAN/bin/core_tests" | grep -q libasan || { echo "$ASAN: not built with AddressSanitizer" >&2; return 1; }
    (cd "$ASAN" && ctest --output-on-failure -j"$(nproc)" -R '^[A-Za-z]+[./]|^tst_') || ok=1
    TSAN="$BUILD-tsan"
    [ -f "$TSAN/CMakeCache.txt" ] || cmake --preset tsan -B "$TSAN"
    cmake --build "$TSAN" -j"$(nproc)" --target core_tests || return 1
    "$TSAN/bin/core_tests" --gtest_brief=1 --gtest_filter='FileWorkers*:TreeWalk*:*Search*:VanishedFiles*' || ok=1
    return $ok
}

# Each fuzz target for a short fixed run on its committed seeds; what it
# finds new goes to a scratch folder, never to the committed corpus.
fuzz_smoke() {
    ok=0
    FUZZ="$BUILD-fuzz"
    [ -f "$FUZZ/CMakeCache.txt" ] || cmake -S fuzz -B "$FUZZ" -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$FUZZ" -j"$(nproc)" || return 1
    for corpus in fuzz/corpus/*/; do
        target=$(basename "$corpus")
        scratch="$FUZZ/corpus-$target" && rm -rf "$scratch" && mkdir -p "$scratch"
        "$FUZZ/fuzz_$target" -runs=20000 -max_len=4096 -timeout=10 -artifact_prefix="$FUZZ/$target-" \
            "$scratch" "$corpus" >"$FUZZ/$target.log" 2>&1 \
            && echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$FUZZ/$target.log")" \
            || { echo "fuzz_$target: FAILED"; tail -n 30 "$FUZZ/$target.log"; ok=1; }
    done
    return $ok
}
# The whole program as a Windows program, against the Qt for Windows of the
# cache ($1, its prefix): the program and the window tests, the folder a
# Windows user gets (Ordalis/) and its installer, in $BUILD-windows-qt.
windows_program() {
    WINQT="$BUILD-windows-qt"
    export ORDALIS_QT_WINDOWS="$1"
    [ -f "$WINQT/CMakeCache.txt" ] || cmake --preset windows-qt -B "$WINQT" >/dev/null
    cmake --build "$WINQT" -j"$(nproc)" --target ordalis \
        $(cd tests/gui && ls tst_*.cpp windows/tst_*.cpp | sed 's|^windows/||; s/\.cpp$//') \
        || return 1
    rm -rf "$WINQT/Ordalis" && cmake --install "$WINQT" --prefix "$WINQT/Ordalis" >/dev/null || return 1
    version=$(sed -n 's/^project(Ordalis VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    tools/qt-windows/installer.sh "$WINQT/Ordalis" "$version" "$WINQT/ordalis-$version-setup.exe"
}

# The Windows program's tests under Wine: the window tests, the smoke run
# of the real window and the installer's silent install and uninstall.
windows_program_tests() {
    "$WINQT/wine-run" --start || return 1
    ok=0
    (cd "$WINQT" && ctest --output-on-failure -j"$(nproc)" -R '^tst_|^windows_' --repeat until-pass:2) || ok=1
    "$WINQT/wine-run" --stop || true
    return $ok
}

# The builds are the presets of CMakePresets.json, each in the folder named here.
[ -f "$BUILD/CMakeCache.txt" ] || cmake --preset dev -B "$BUILD"

case "${1:-run}" in
    run)
        # The program alone: the tests and benchmarks wait for the test command.
        cmake --build "$BUILD" -j"$(nproc)" --target ordalis ordalis_data
        exec "$BUILD/bin/ordalis" ;;
    test)
        cmake --build "$BUILD" -j"$(nproc)"
        mkdir -p "$BUILD/test-runtime" && chmod 700 "$BUILD/test-runtime"
        status=0
        (cd "$BUILD" && ctest --output-on-failure -j"$(nproc)") || status=1
        # The core library with its Windows platform code, and the core
        # tests, as Windows programs run under Wine: its server runs from
        # the start of the tests to their end.
        WINBUILD="$BUILD-windows"
        [ -f "$WINBUILD/CMakeCache.txt" ] || cmake --preset windows -B "$WINBUILD"
        cmake --build "$WINBUILD" -j"$(nproc)"
        "$WINBUILD/wine-run" --start
        trap '"$WINBUILD/wine-run" --stop' EXIT
        # A test program that Wine fails to start (rare, no output of its
        # own) is run once more; a test that fails twice fails the run.
        (cd "$WINBUILD" && ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2) || status=1
        "$WINBUILD/wine-run" --stop || true
        trap - EXIT
        # The whole Windows program, when its Qt is in the cache: building
        # that Qt takes longer than a CI run should.
        if QT_WINDOWS=$(tools/qt-windows/build-qt.sh --cached); then
            { windows_program "$QT_WINDOWS" && windows_program_tests; } || status=1
        else
            echo "Windows program: left out, no Qt for Windows in the cache; ./build.sh windows builds it once (35 to 85 minutes on 2 cores)"
        fi
        if [ "${ORDALIS_SANITIZE_RUN:-1}" = 1 ]; then
            sanitizer_tests || status=1
            fuzz_smoke || status=1
        fi
        exit $status ;;
    windows)
        QT_WINDOWS=$(tools/qt-windows/build-qt.sh | tail -n 1)
        windows_program "$QT_WINDOWS"
        echo "Windows program: $WINQT/Ordalis, installer: $(ls "$WINQT"/ordalis-*-setup.exe)" ;;
    *)
        echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac
