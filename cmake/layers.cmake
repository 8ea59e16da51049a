# SPDX-License-Identifier: GPL-3.0-or-later
# Every build checks the direction of the layers' includes (check_layers.cmake),
# so that an include against it fails the build, not a later review.
file(GLOB_RECURSE layer_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.hpp)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/layers.checked
                   COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                   COMMAND ${CMAKE_COMMAND} -E touch ${PROJECT_BINARY_DIR}/layers.checked
                   DEPENDS ${layer_sources} ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                   COMMENT "Checking that each layer includes only what lies below it")
add_custom_target(ardelin_layers ALL DEPENDS ${PROJECT_BINARY_DIR}/layers.checked)
add_dependencies(ardelin_model ardelin_layers)
