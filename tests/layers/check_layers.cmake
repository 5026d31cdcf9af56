# Checks the include arrows of the layers, and that operating-system headers
# stay in the platform code:
#   core <- ui <- fileops, search, texttools, tips <- app
# Usage: cmake -DSRC=<the src folder> -P check_layers.cmake
# Fails (non-zero status) listing every include against the arrows.
cmake_minimum_required(VERSION 3.25)
if(NOT SRC)
    message(FATAL_ERROR "SRC is not set")
endif()

get_filename_component(SRC "${SRC}" ABSOLUTE)
set(groups fileops search texttools tips)
# Folders and what they may not include.
set(forbidden_core "ui|fileops|search|texttools|tips|app")
set(forbidden_ui "fileops|search|texttools|tips|app")
set(system_headers "unistd\\.h|sys/[a-z_]+\\.h|dirent\\.h|fcntl\\.h|pwd\\.h|linux/[a-z_]+\\.h|dlfcn\\.h|pthread\\.h|windows\\.h|shlobj\\.h|shellapi\\.h|io\\.h|direct\\.h")

set(faults "")
file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.cpp ${SRC}/*.h)
foreach(f ${sources})
    string(REGEX MATCH "^[a-z]+" layer "${f}")
    file(STRINGS ${SRC}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    set(forbidden "")
    if(layer STREQUAL "core")
        set(forbidden "${forbidden_core}")
    elseif(layer STREQUAL "ui")
        set(forbidden "${forbidden_ui}")
    elseif(layer IN_LIST groups)
        set(others ${groups})
        list(REMOVE_ITEM others ${layer})
        list(APPEND others app)
        list(JOIN others "|" forbidden)
    endif()
    foreach(line ${includes})
        if(forbidden AND line MATCHES "\"(${forbidden})/")
            list(APPEND faults "${f}: ${line}")
        endif()
        if(layer STREQUAL "core" AND line MATCHES "<Q")
            list(APPEND faults "${f}: ${line} (the core uses no Qt)")
        endif()
        # Operating-system headers: only the platform code and the desktop glue.
        if(line MATCHES "<(${system_headers})>" AND NOT f MATCHES "^core/platform/" AND NOT f STREQUAL "ui/bureau.cpp")
            list(APPEND faults "${f}: ${line} (system header outside the platform code)")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
list(LENGTH sources n)
message(STATUS "layers: ${n} files checked")
