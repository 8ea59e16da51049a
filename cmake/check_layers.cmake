# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a layer above its own or a toolkit that
# is not its own. The layers, lowest first:
#   src/model/             the form model
#   src/calc/              the calculations
#   src/window/view/       the window's description, no toolkit
#   src/window/qt/, src/window/win32/, src/window/web/   the front ends, each its toolkit only
# Usage: cmake -DSOURCE_DIR=<project root> -P check_layers.cmake
set(front_ends "\"window/qt/" "\"window/win32/" "\"window/web/")
set(toolkits "<Q" "<windows.h>" "<commctrl.h>" "<emscripten")
set(model_forbids "\"calc/" "\"window/view/" ${front_ends} ${toolkits})
set(calc_forbids "\"window/view/" ${front_ends} ${toolkits})
set(view_forbids ${front_ends} ${toolkits})
set(qt_forbids "\"window/win32/" "\"window/web/" "<windows.h>" "<commctrl.h>" "<emscripten")
set(win32_forbids "\"window/qt/" "\"window/web/" "<Q" "<emscripten")
set(web_forbids "\"window/qt/" "\"window/win32/" "<Q" "<windows.h>" "<commctrl.h>")

set(problems "")
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.hpp)
foreach(source ${sources})
    file(RELATIVE_PATH path ${SOURCE_DIR}/src ${source})
    if(path MATCHES "^model/")
        set(layer model)
    elseif(path MATCHES "^calc/")
        set(layer calc)
    elseif(path MATCHES "^window/(view|qt|win32|web)/")
        set(layer ${CMAKE_MATCH_1})
    else()
        list(APPEND problems "src/${path}: in no layer")
        continue()
    endif()
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
        foreach(forbidden ${${layer}_forbids})
            string(FIND "${line}" "${forbidden}" at)
            if(NOT at EQUAL -1)
                list(APPEND problems "src/${path} (${layer}): ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes against the direction of the layers:\n  ${text}")
endif()
