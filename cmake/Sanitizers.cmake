# Sanitizer builds of the whole project and its tests, in a build folder of
# their own:
#   cmake -S . -B build-asan -DORDALIS_SANITIZE=address,undefined
#   cmake -S . -B build-tsan -DORDALIS_SANITIZE=thread
# The flags go on the ordalis_settings INTERFACE target, so every target of
# the project carries them and nothing else does. A runtime error of the
# undefined-behaviour checker stops the program (no recovery), so a test that
# meets one fails. The suppression files of tests/sanitizers/ are handed to
# the tests by tests/CMakeLists.txt.
include_guard(GLOBAL)

set(ORDALIS_SANITIZE "" CACHE STRING
    "Sanitizers for every target, comma-separated: address,undefined or thread (empty: none)")

function(ordalis_apply_sanitizers)
    if(NOT ORDALIS_SANITIZE)
        return()
    endif()
    if(MSVC)
        message(FATAL_ERROR "ORDALIS_SANITIZE is for GCC and Clang builds")
    endif()
    string(REPLACE "," ";" kinds "${ORDALIS_SANITIZE}")
    foreach(kind IN LISTS kinds)
        if(NOT kind MATCHES "^(address|undefined|thread|leak)$")
            message(FATAL_ERROR "ORDALIS_SANITIZE: unknown sanitizer '${kind}'")
        endif()
    endforeach()
    if("thread" IN_LIST kinds AND ("address" IN_LIST kinds OR "leak" IN_LIST kinds))
        message(FATAL_ERROR "ORDALIS_SANITIZE: thread cannot be combined with address or leak")
    endif()
    set(flags "-fsanitize=${ORDALIS_SANITIZE}" -fno-omit-frame-pointer)
    if("undefined" IN_LIST kinds)
        list(APPEND flags -fno-sanitize-recover=all)
    endif()
    target_compile_options(ordalis_settings INTERFACE ${flags})
    target_link_options(ordalis_settings INTERFACE "-fsanitize=${ORDALIS_SANITIZE}")
    message(STATUS "Sanitizers: ${ORDALIS_SANITIZE}")
endfunction()

# Included after cmake/CommonSettings.cmake the target exists; included
# earlier (as a project include), the flags are added once the top-level
# folder has been read.
if(TARGET ordalis_settings)
    ordalis_apply_sanitizers()
else()
    cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL ordalis_apply_sanitizers)
endif()
