# SPDX-License-Identifier: GPL-3.0-or-later
# The digest behind the MSI's package code and the web site's cache name
# names contents: the same files give the same digest, and a changed byte,
# name or file another. Run: cmake -DWORK=DIR -P digest_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/digest.cmake)
file(REMOVE_RECURSE ${WORK})

# Each case: whether its digest is the first one's, then its files as NAME=TEXT.
set(base "ardelin.exe=MZ program,README.txt=Ardelin 1.00")
set(cases
    "same|${base}"
    "other|ardelin.exe=MZ programme,README.txt=Ardelin 1.00"
    "other|ardelin.exe=MZ program,LISEZMOI.txt=Ardelin 1.00"
    "other|${base},LICENSE.txt=GPL"
    "other|ardelin.exe=Ardelin 1.00,README.txt=MZ program")

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
    string(REGEX MATCH "^([a-z]+)\\|(.*)$" _ "${case}")
    set(want ${CMAKE_MATCH_1})
    math(EXPR index "${index} + 1")
    digest_of(digest ${WORK}/${index} "${CMAKE_MATCH_2}")
    if((digest STREQUAL first AND NOT want STREQUAL "same") OR (NOT digest STREQUAL first AND want STREQUAL "same"))
        message(SEND_ERROR "${CMAKE_MATCH_2}: expected the ${want} digest")
    endif()
endforeach()
