# Compile settings shared by every target of the project, carried by one
# INTERFACE target instead of global flags.
add_library(ordalis_settings INTERFACE)
target_compile_features(ordalis_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()
if(MSVC)
    target_compile_options(ordalis_settings INTERFACE /W4 /utf-8 /permissive-)
else()
    target_compile_options(ordalis_settings INTERFACE -Wall -Wextra -Wpedantic)
endif()
# Windows headers: the wide (UTF-16) API under the plain names, and no min
# and max macros; with every compiler, MinGW-w64 included.
if(WIN32)
    target_compile_definitions(ordalis_settings INTERFACE UNICODE _UNICODE NOMINMAX)
endif()
# Qt mistakes caught at compile time: no implicit conversion of 8-bit strings
# (their encoding must be stated), no connection to a functor without a
# context object, no API deprecated up to 6.4. Qt 6.4 reads the deprecation
# limit as QT_DISABLE_DEPRECATED_BEFORE, later releases as ..._UP_TO.
target_compile_definitions(ordalis_settings INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
