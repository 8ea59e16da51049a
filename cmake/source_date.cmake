# SPDX-License-Identifier: GPL-3.0-or-later
# The one time a build may write into what it makes: the last commit's, from
# git, or in a source archive (which has no git) from the file it carries.
# Sets ARDELIN_SOURCE_DATE_EPOCH (seconds since 1970, UTC).
set(ARDELIN_SOURCE_DATE_FILE ${PROJECT_SOURCE_DIR}/SOURCE_DATE_EPOCH)
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE ARDELIN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    # Configure again after a commit or a checkout, so that the time follows it.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS ${git_dir}/logs/HEAD)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
elseif(EXISTS ${ARDELIN_SOURCE_DATE_FILE})
    file(STRINGS ${ARDELIN_SOURCE_DATE_FILE} ARDELIN_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARDELIN_SOURCE_DATE_FILE})
else()
    message(FATAL_ERROR "no git and no ${ARDELIN_SOURCE_DATE_FILE}: the sources' time is unknown")
endif()
# The tool that writes every zip and the source archive with only that time
# (a command list), and the file its outputs depend on.
function(ardelin_use_archive_tool)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(ARDELIN_ARCHIVE_SCRIPT ${PROJECT_SOURCE_DIR}/tools/release/archive.py PARENT_SCOPE)
    set(ARDELIN_ARCHIVE ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/release/archive.py PARENT_SCOPE)
endfunction()
if(NOT ARDELIN_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "the sources' time is not a number of seconds: '${ARDELIN_SOURCE_DATE_EPOCH}'")
endif()
