# Cross-build for 64-bit Windows with Debian's MinGW-w64 compilers:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix thread model is the one whose C++ library has std::thread and
# std::mutex (GoogleTest needs them). Programs are linked statically, so they
# run without the compiler's DLLs beside them (under Wine as on Windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORDALIS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORDALIS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORDALIS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORDALIS_MINGW_TRIPLET}-windres)

# Libraries, headers and CMake packages for Windows only; the build
# machine's own programs stay usable.
set(CMAKE_FIND_ROOT_PATH /usr/${ORDALIS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
