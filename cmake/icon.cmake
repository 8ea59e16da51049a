# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon, drawn at build time by the tools in tools/icon, which
# run on the build machine: the Windows icon file (four images) and the SVG,
# and for the desktop's icon theme and the page the PNGs (with the machine's
# Qt, in a cross build too).
set(ARDELIN_ICON ${PROJECT_BINARY_DIR}/icon/ardelin.ico)
set(ARDELIN_ICON_SVG ${PROJECT_BINARY_DIR}/icon/ardelin.svg)
set(ARDELIN_ICON_PNG_DIR ${PROJECT_BINARY_DIR}/icon/png)
set(ARDELIN_ICON_PNG_SIZES 16 32 48 64 128 256)

if(CMAKE_CROSSCOMPILING)
    # The tools as a project of their own, built by the machine's compiler:
    # no Windows program runs under Wine to draw the icon.
    include(ExternalProject)
    set(native ${PROJECT_BINARY_DIR}/tools-native)
    # The PNG writer for the page's icons and another processor's Linux window.
    if(EMSCRIPTEN OR (ARDELIN_WINDOW AND NOT WIN32))
        set(native_png ON)
    else()
        set(native_png OFF)
    endif()
    ExternalProject_Add(icon_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/icon
        BINARY_DIR ${native}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=c++ -DARDELIN_ICON_PNG=${native_png}
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${native}/make_icon ${native}/icon_png)
    set(make_icon ${native}/make_icon)
    set(make_icon_depends icon_tools ${native}/make_icon)
    if(native_png)
        set(icon_png ${native}/icon_png)
        set(icon_png_depends icon_tools ${native}/icon_png)
    endif()
else()
    set(ARDELIN_ICON_PNG ${ARDELIN_WINDOW})
    add_subdirectory(tools/icon)
    set(make_icon make_icon)
    set(make_icon_depends make_icon)
    if(TARGET icon_png)
        set(icon_png icon_png)
        set(icon_png_depends icon_png)
    endif()
endif()

add_custom_command(OUTPUT ${ARDELIN_ICON} ${ARDELIN_ICON_SVG}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
                   COMMAND ${make_icon} ${ARDELIN_ICON} ${ARDELIN_ICON_SVG}
                   DEPENDS ${make_icon_depends}
                   COMMENT "Drawing the Ardelin icon")
add_custom_target(ardelin_icon DEPENDS ${ARDELIN_ICON} ${ARDELIN_ICON_SVG})

if(icon_png AND NOT EMSCRIPTEN)  # the page writes its own sizes
    list(TRANSFORM ARDELIN_ICON_PNG_SIZES PREPEND ${ARDELIN_ICON_PNG_DIR}/ OUTPUT_VARIABLE pngs)
    list(TRANSFORM pngs APPEND .png)
    add_custom_command(OUTPUT ${pngs}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${ARDELIN_ICON_PNG_DIR}
                       COMMAND ${icon_png} ${ARDELIN_ICON} ${ARDELIN_ICON_PNG_DIR}
                       DEPENDS ${icon_png_depends} ${ARDELIN_ICON}
                       COMMENT "Writing the icon's PNG images")
    add_custom_target(ardelin_icon_png DEPENDS ${pngs})
endif()

if(WIN32)
    # The executable's version record, icon and manifest, compiled by the
    # resource compiler (windres or rc) from the icon file drawn above.
    set(ARDELIN_MANIFEST ${PROJECT_SOURCE_DIR}/src/window/win32/ardelin.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/src/window/win32/ardelin.rc.in ${PROJECT_BINARY_DIR}/icon/ardelin.rc @ONLY)
    add_library(ardelin_resource OBJECT ${PROJECT_BINARY_DIR}/icon/ardelin.rc)
    set_source_files_properties(${PROJECT_BINARY_DIR}/icon/ardelin.rc PROPERTIES
                                OBJECT_DEPENDS "${ARDELIN_ICON};${ARDELIN_MANIFEST}")
    add_dependencies(ardelin_resource ardelin_icon)
endif()
