#!/bin/sh
# Builds the core library with its Windows platform code and the portable
# core tests with MinGW-w64, and runs them under Wine. A check for
# developers on Linux; the program itself is not built here. Wine leaves a
# rename that only changes the letter case as it was (Windows itself renames
# it), so Rename.NoReplaceKeepsBothFiles fails under Wine alone.
set -eu
cd "$(dirname "$0")/.."
for p in g++-mingw-w64-x86-64-posix wine64 googletest; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing
fi

CXX="x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -DUNICODE -D_UNICODE -DNOMINMAX -Wall -Wextra"
GT=/usr/src/googletest/googletest
OUT=${OUT:-build-windows-core}
mkdir -p "$OUT"
[ -f "$OUT/gtest-all.o" ] || $CXX -I$GT/include -I$GT -c $GT/src/gtest-all.cc -o "$OUT/gtest-all.o"
[ -f "$OUT/gtest_main.o" ] || $CXX -I$GT/include -c $GT/src/gtest_main.cc -o "$OUT/gtest_main.o"
objects=""
for f in src/core/*.cpp src/core/platform/win32/*.cpp tests/core/*.cpp; do
    o="$OUT/$(echo "$f" | tr / _ | sed 's/\.cpp$/.o/')"
    $CXX -Isrc -I$GT/include -c "$f" -o "$o"
    objects="$objects $o"
done
$CXX -static -o "$OUT/core_tests.exe" $objects "$OUT/gtest-all.o" "$OUT/gtest_main.o"
WINEPREFIX=${WINEPREFIX:-$PWD/$OUT/wine} WINEDEBUG=-all /usr/lib/wine/wine64 "$OUT/core_tests.exe" "$@"
