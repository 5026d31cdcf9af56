#!/bin/sh
# Builds the Qt libraries of the Windows program from Debian's own Qt
# source, with Debian's MinGW-w64 compilers, and installs them into
#   ${XDG_CACHE_HOME:-~/.cache}/ordalis/qt-<version>-mingw
# Only what the program uses: Core, Gui, Widgets and Test, shared, release,
# with the "windows" and "offscreen" platform plugins. The host's Qt (same
# version) provides moc, rcc and uic. Nothing is done when the cache already
# holds a build of this version with these options; prints the prefix last.
# Needs root the first time (a deb-src line and the build's packages).
#   build-qt.sh            build unless the cache holds it, print the prefix
#   build-qt.sh --cached   print the prefix if the cache holds it, else fail
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
JOBS=${JOBS:-$(nproc)}

VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+~-].*//')
[ -n "$VERSION" ] || { echo "qt6-base-dev is not installed: run ./build.sh first" >&2; exit 1; }
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/ordalis
PREFIX=$CACHE/qt-$VERSION-mingw
WORK=$CACHE/qt-$VERSION-mingw-build

# Any change here (or in the toolchain file) builds Qt again, in the same
# build folder. The windows plugin of 6.4 needs dynamic OpenGL off as well
# as OpenGL, or it does not compile.
OPTIONS="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
-DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
-DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
-DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_pkg_config=OFF
-DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
-DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_doubleconversion=OFF -DFEATURE_tabletevent=OFF"
STAMP="$VERSION $(echo "$OPTIONS" | tr '\n' ' ') $(cksum <"$HERE/toolchain.cmake")"
if [ -f "$PREFIX/ordalis-qt.stamp" ] && [ "$(cat "$PREFIX/ordalis-qt.stamp")" = "$STAMP" ]; then
    echo "$PREFIX"; exit 0
fi
[ "${1:-}" != --cached ] || exit 1

PACKAGES="dpkg-dev ninja-build perl g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# apt-get source needs the source lines of the archive the packages come from.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >/etc/apt/sources.list.d/ordalis-deb-src.sources
    apt-get update -qq
fi
[ -z "$missing" ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing

# The source of this version is fetched once; a build cut short (the
# machine stopped) goes on where it was, and changed options reconfigure
# the same build folder, so that only what they touch is built again.
if [ ! -f "$WORK/build/build.ninja" ] || [ "$(cat "$WORK/ordalis-qt.version" 2>/dev/null)" != "$VERSION" ]; then
    rm -rf "$WORK" "$PREFIX" && mkdir -p "$WORK"
    (cd "$WORK" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null)
    echo "$VERSION" >"$WORK/ordalis-qt.version"
fi
cd "$WORK"
if [ "$(cat ordalis-qt.stamp 2>/dev/null)" != "$STAMP" ]; then
    SRC=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    # shellcheck disable=SC2086 # OPTIONS is a list of arguments
    cmake -G Ninja -S "$SRC" -B build -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$HERE/toolchain.cmake" -DORDALIS_QT_PREFIX="$PREFIX" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" $OPTIONS >configure.log
    echo "$STAMP" >ordalis-qt.stamp
fi
cd "$WORK"
start=$(date +%s)
cmake --build build -j"$JOBS" >>build.log
cmake --install build >install.log
echo "$STAMP" >"$PREFIX/ordalis-qt.stamp"
echo "Qt $VERSION for Windows built in $(( ($(date +%s) - start) / 60 )) min (this run)" >&2
cd / && rm -rf "$WORK"
echo "$PREFIX"
