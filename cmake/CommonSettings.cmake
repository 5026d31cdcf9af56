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
target_compile_definitions(ordalis_settings INTERFACE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
