# What the Windows program needs beside it: the Qt DLLs, the platform and
# style plugins, the MinGW-w64 runtime DLLs, Qt's French texts and a qt.conf
# that makes the folder its own Qt prefix. They are copied beside the
# program in the build tree's bin/ (so that it and the window tests run
# there, under Wine as on Windows) and installed with it:
#   cmake --install <build> --prefix <folder>
# lays out a folder that runs on a Windows machine as it is.
set(ORDALIS_WINDOWS_FILES)   # pairs "file|subfolder"
foreach(module Core Gui Widgets)
    list(APPEND ORDALIS_WINDOWS_FILES "$<TARGET_FILE:Qt6::${module}>|.")
endforeach()
list(APPEND ORDALIS_WINDOWS_FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>|platforms"
     "$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>|platforms")
# The icons of .ico files, read by the search window's large icons.
if(TARGET Qt6::QICOPlugin)
    list(APPEND ORDALIS_WINDOWS_FILES "$<TARGET_FILE:Qt6::QICOPlugin>|imageformats")
endif()
if(TARGET Qt6::QWindowsVistaStylePlugin)
    list(APPEND ORDALIS_WINDOWS_FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>|styles")
endif()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW-w64 runtime ${dll} was not found by ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND ORDALIS_WINDOWS_FILES "${found}|.")
endforeach()
# Qt's own dialogs in French: the host's translation files serve every system.
if(EXISTS /usr/share/qt6/translations/qtbase_fr.qm)
    list(APPEND ORDALIS_WINDOWS_FILES "/usr/share/qt6/translations/qtbase_fr.qm|translations")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
list(APPEND ORDALIS_WINDOWS_FILES "${CMAKE_BINARY_DIR}/qt.conf|.")

set(copies)
foreach(pair IN LISTS ORDALIS_WINDOWS_FILES)
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 file)
    list(GET pair 1 folder)
    install(FILES ${file} DESTINATION ${folder})
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
endforeach()
# The window test programs run beside the program: Qt Test is copied there
# too, but not installed.
if(TARGET Qt6::Test)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Test>
                       ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endif()
add_custom_target(ordalis_windows_dlls ALL ${copies} VERBATIM)
