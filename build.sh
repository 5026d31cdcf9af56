#!/bin/sh
# Builds Ordalis... and either starts it or runs every test.
#   ./build.sh run    build, then start the program
#   ./build.sh test   build, then run all tests (used by CI): the Linux
#                     build's, then the Windows core's, cross-built in
#                     ${BUILD_DIR:-build}-windows and run under Wine
# Installs the Debian packages it needs when they are missing (as root).
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake make g++ pkg-config libgtest-dev libgl-dev \
qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n"
# The screen-reader test runs the program under a virtual display; the
# Windows core is built with MinGW-w64 and tested under Wine; the share test
# runs a private Samba server.
[ "${1:-run}" = test ] && PACKAGES="$PACKAGES xvfb xauth dbus-daemon at-spi2-core python3-pyatspi \
g++-mingw-w64-x86-64-posix wine wine64 googletest samba smbclient"

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
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo

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
        [ -f "$WINBUILD/CMakeCache.txt" ] || cmake -S . -B "$WINBUILD" \
            -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
        cmake --build "$WINBUILD" -j"$(nproc)"
        "$WINBUILD/wine-run" --start
        trap '"$WINBUILD/wine-run" --stop' EXIT
        (cd "$WINBUILD" && ctest --output-on-failure -j"$(nproc)") || status=1
        exit $status ;;
    *)
        echo "usage: $0 run|test" >&2; exit 2 ;;
esac
