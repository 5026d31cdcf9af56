# The windows' pictures are SVG files. With Qt's SVG module they go into the
# program as they are. Without it (the Windows build: Debian has no SVG
# module for it) each one is rendered at build time to a PNG of 64 pixels a
# side under the same resource path ending in ".png", which src/ui/dessin.h
# reads instead. Other files of the list go in unchanged.
#   ordalis_add_pictures(<target> <resource name> PREFIX <prefix> [BASE <folder>] FILES <files>...)
function(ordalis_add_pictures target name)
    cmake_parse_arguments(PICTURES "" "PREFIX;BASE" "FILES" ${ARGN})
    if(NOT PICTURES_BASE)
        set(PICTURES_BASE ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    if(TARGET Qt6::Svg)
        qt_add_resources(${target} ${name} PREFIX ${PICTURES_PREFIX} BASE ${PICTURES_BASE} FILES ${PICTURES_FILES})
        return()
    endif()
    find_program(ORDALIS_RSVG_CONVERT rsvg-convert REQUIRED)
    set(rendered ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(outputs)
    foreach(file IN LISTS PICTURES_FILES)
        get_filename_component(source ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        file(RELATIVE_PATH relative ${PICTURES_BASE} ${source})
        string(REGEX REPLACE "\\.svg$" ".png" relative ${relative})
        set(output ${rendered}/${relative})
        get_filename_component(folder ${output} DIRECTORY)
        if(source MATCHES "\\.svg$")
            add_custom_command(OUTPUT ${output}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                COMMAND ${ORDALIS_RSVG_CONVERT} --width=64 --height=64 --keep-aspect-ratio --output=${output} ${source}
                DEPENDS ${source} VERBATIM)
        else()
            configure_file(${source} ${output} COPYONLY)
        endif()
        list(APPEND outputs ${output})
    endforeach()
    qt_add_resources(${target} ${name} PREFIX ${PICTURES_PREFIX} BASE ${rendered} FILES ${outputs})
endfunction()
