# SPDX-License-Identifier: GPL-3.0-or-later
# The layers' include roots, so that the compiler enforces their direction:
# each layer's library gives its users a root of its own that holds its
# headers alone, under the prefix its includes use ("model/form1.hpp",
# "calc/numbers.hpp", "window/view/report.hpp"), and a library sees only the
# roots of what it links. A calculation that includes a view header, or the
# view a front end's, then fails to compile. The root is a folder of the
# build holding a link to the layer's source folder; where links cannot be
# made (a Windows host without the right to make them), the one root src/
# serves instead, and the text check below still holds.
function(ardelin_layer_root target prefix folder)
    set(root ${PROJECT_BINARY_DIR}/layers/${target})
    cmake_path(GET prefix PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    if(IS_SYMLINK ${root}/${prefix})
        file(REMOVE ${root}/${prefix})  # the link alone, never what it names
    endif()
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${prefix} RESULT failed SYMBOLIC)
    if(failed)
        message(STATUS "${target}: no link for its include root (${failed}); the shared root src/ instead")
        set(root ${PROJECT_SOURCE_DIR}/src)
        set_property(GLOBAL PROPERTY ARDELIN_SHARED_INCLUDE_ROOT ON)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# Every build checks the direction of the layers' includes as text too
# (check_layers.cmake), for a relative include and for the toolkits' headers.
file(GLOB_RECURSE layer_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.hpp)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/layers.checked
                   COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                   COMMAND ${CMAKE_COMMAND} -E touch ${PROJECT_BINARY_DIR}/layers.checked
                   DEPENDS ${layer_sources} ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                   COMMENT "Checking that each layer includes only what lies below it")
add_custom_target(ardelin_layers ALL DEPENDS ${PROJECT_BINARY_DIR}/layers.checked)
