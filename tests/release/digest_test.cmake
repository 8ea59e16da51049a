# SPDX-License-Identifier: GPL-3.0-or-later
# The digest behind the MSI's package code and the web site's cache name
# names contents: the same files give the same digest, and each kind of
# change another. Run: cmake -DWORK=DIR -P digest_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/digest.cmake)
file(REMOVE_RECURSE ${WORK})

# Each case: whether its digest is the first one's, a title, and its files as
# NAME=TEXT, comma-separated, in the order they are listed.
set(base "ardelin.exe=MZ program,README.txt=Ardelin 1.00,ardelin.wxs=<Wix/>")
set(cases
    "same|the same contents again|${base}"
    "other|one byte changed|ardelin.exe=MZ programme,README.txt=Ardelin 1.00,ardelin.wxs=<Wix/>"
    "other|a file renamed|ardelin.exe=MZ program,LISEZMOI.txt=Ardelin 1.00,ardelin.wxs=<Wix/>"
    "other|a file added|${base},LICENSE.txt=GPL"
    "other|a file left out|ardelin.exe=MZ program,README.txt=Ardelin 1.00"
    "other|contents swapped between files|ardelin.exe=MZ program,README.txt=<Wix/>,ardelin.wxs=Ardelin 1.00")

function(digest_of out folder files)
    string(REPLACE "," ";" files "${files}")
    set(names "")
    foreach(pair IN LISTS files)
        string(REGEX MATCH "^([^=]+)=(.*)$" _ "${pair}")
        file(WRITE ${folder}/${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
        list(APPEND names ${CMAKE_MATCH_1})
    endforeach()
    ardelin_digest(digest ${folder} ${names})
    set(${out} ${digest} PARENT_SCOPE)
endfunction()

digest_of(first ${WORK}/first "${base}")
set(index 0)
foreach(case IN LISTS cases)
    string(REGEX MATCH "^([a-z]+)\\|([^|]+)\\|(.*)$" _ "${case}")
    set(want ${CMAKE_MATCH_1})
    set(title ${CMAKE_MATCH_2})
    math(EXPR index "${index} + 1")
    digest_of(digest ${WORK}/${index} "${CMAKE_MATCH_3}")
    if(digest STREQUAL first)
        set(got same)
    else()
        set(got other)
    endif()
    if(got STREQUAL want)
        message(STATUS "ok: ${title}")
    else()
        message(SEND_ERROR "${title}: expected the ${want} digest, got the ${got}")
    endif()
endforeach()
