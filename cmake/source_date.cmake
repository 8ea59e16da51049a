# SPDX-License-Identifier: GPL-3.0-or-later
# The one time a build may write into what it makes, and the commit it is
# built from: the last commit's, from git, or in a source archive (which has
# no git) from the files it carries.
# Sets ARDELIN_SOURCE_DATE_EPOCH (seconds since 1970, UTC) and ARDELIN_SOURCE_COMMIT.
set(ARDELIN_SOURCE_DATE_FILE ${PROJECT_SOURCE_DIR}/SOURCE_DATE_EPOCH)
set(ARDELIN_SOURCE_COMMIT_FILE ${PROJECT_SOURCE_DIR}/SOURCE_COMMIT)
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE ARDELIN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE ARDELIN_SOURCE_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    # Configure again after a commit or a checkout, so that the time follows it.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS ${git_dir}/logs/HEAD)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
elseif(EXISTS ${ARDELIN_SOURCE_DATE_FILE} AND EXISTS ${ARDELIN_SOURCE_COMMIT_FILE})
    file(STRINGS ${ARDELIN_SOURCE_DATE_FILE} ARDELIN_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
    file(STRINGS ${ARDELIN_SOURCE_COMMIT_FILE} ARDELIN_SOURCE_COMMIT LIMIT_COUNT 1)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARDELIN_SOURCE_DATE_FILE} ${ARDELIN_SOURCE_COMMIT_FILE})
else()
    message(FATAL_ERROR "no git, and no ${ARDELIN_SOURCE_DATE_FILE} and ${ARDELIN_SOURCE_COMMIT_FILE}: "
                        "the sources' time and commit are unknown")
endif()
if(NOT ARDELIN_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "the sources' time is not a number of seconds: '${ARDELIN_SOURCE_DATE_EPOCH}'")
endif()
if(NOT ARDELIN_SOURCE_COMMIT MATCHES "^[0-9a-f]+$")
    message(FATAL_ERROR "the sources' commit is no commit id: '${ARDELIN_SOURCE_COMMIT}'")
endif()
# In the cache too, for tools/release/buildinfo to read from a build folder.
set(ARDELIN_SOURCE_DATE_EPOCH ${ARDELIN_SOURCE_DATE_EPOCH} CACHE INTERNAL "the sources' time")
set(ARDELIN_SOURCE_COMMIT ${ARDELIN_SOURCE_COMMIT} CACHE INTERNAL "the sources' commit")
