# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon from its one description (icon_scene.cpp): the Windows
# icon file with its four images and the scalable SVG. Plain C++, no Qt.
add_library(ardelin_icon_scene STATIC ${CMAKE_CURRENT_LIST_DIR}/icon_scene.cpp)
target_include_directories(ardelin_icon_scene PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ardelin_icon_scene PRIVATE ardelin_warnings)

add_executable(make_icon ${CMAKE_CURRENT_LIST_DIR}/make_icon.cpp)
target_link_libraries(make_icon PRIVATE ardelin_icon_scene ardelin_warnings)

set(ARDELIN_ICON ${PROJECT_BINARY_DIR}/icon/ardelin.ico)
set(ARDELIN_ICON_SVG ${PROJECT_BINARY_DIR}/icon/ardelin.svg)
add_custom_command(OUTPUT ${ARDELIN_ICON} ${ARDELIN_ICON_SVG}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
                   COMMAND make_icon ${ARDELIN_ICON} ${ARDELIN_ICON_SVG}
                   DEPENDS make_icon
                   COMMENT "Drawing the Ardelin icon")
add_custom_target(ardelin_icon DEPENDS ${ARDELIN_ICON} ${ARDELIN_ICON_SVG})

if(WIN32)
    # The executable's version record and icon, compiled by the resource
    # compiler (windres or rc) from the icon file drawn above.
    configure_file(${CMAKE_CURRENT_LIST_DIR}/ardelin.rc.in ${PROJECT_BINARY_DIR}/icon/ardelin.rc @ONLY)
    add_library(ardelin_resource OBJECT ${PROJECT_BINARY_DIR}/icon/ardelin.rc)
    set_source_files_properties(${PROJECT_BINARY_DIR}/icon/ardelin.rc PROPERTIES OBJECT_DEPENDS ${ARDELIN_ICON})
    add_dependencies(ardelin_resource ardelin_icon)
endif()
