# Tests of a Windows build made on another system (see
# mingw-w64-x86_64.cmake): GoogleTest built from Debian's source package with
# the project's own compiler, and every test program run under Wine.
set(ORDALIS_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources (Debian package googletest), built with the project's compiler")
if(NOT EXISTS ${ORDALIS_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${ORDALIS_GTEST_SOURCE_DIR} (Debian package googletest)")
endif()
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(${ORDALIS_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# ctest runs each test program through the emulator, discovery included.
# The Wine prefix (Wine's private Windows tree) lives in the build folder;
# ${CMAKE_BINARY_DIR}/wine-run starts and stops its server around a test run:
#   wine-run --start, ctest, wine-run --stop
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND NOT CMAKE_HOST_WIN32)
    set(ORDALIS_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
    file(CONFIGURE OUTPUT ${ORDALIS_WINE_RUN} @ONLY CONTENT
"#!/bin/sh
exec '@PROJECT_SOURCE_DIR@/tests/wine/wine-run' '@CMAKE_BINARY_DIR@/wine-prefix' \"$@\"
")
    file(CHMOD ${ORDALIS_WINE_RUN} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORDALIS_WINE_RUN})
endif()
