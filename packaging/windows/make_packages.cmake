# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the MSI and the zip from the program, the licence, the README and
# the icon, so that the same files give the same bytes:
# - the staged files carry the sources' time, which the cabinet records;
# - the zip is written by the archive tool (fixed order, times and modes);
# - wixl runs on a frozen clock at the sources' time in UTC, since it writes
#   the clock into the summary information and takes no time of its own;
# - the package code, which Windows wants new for every package whose
#   contents differ, is a name-based UUID over a digest of those contents,
#   so it repeats for the same contents and changes with them.
# Usage: cmake -DSTAGE= -DEXE= -DLICENSE= -DREADME= -DICON= -DWXS= -DMSI= -DZIP=
#              -DEPOCH= -DNAMESPACE= -DWIXL= -DFAKETIME= -DARCHIVE="python;archive.py" -P make_packages.cmake
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/files/Ardelin)
file(COPY_FILE ${EXE} ${STAGE}/files/Ardelin/ardelin.exe)
file(COPY_FILE ${LICENSE} ${STAGE}/files/Ardelin/LICENSE.txt)
file(COPY_FILE ${README} ${STAGE}/files/Ardelin/README.txt)
file(COPY_FILE ${ICON} ${STAGE}/ardelin.ico)
set(staged files/Ardelin/ardelin.exe files/Ardelin/LICENSE.txt files/Ardelin/README.txt ardelin.ico)

set(digest_input "")
foreach(name ${staged})
    execute_process(COMMAND touch -d @${EPOCH} ${STAGE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${STAGE}/${name} sum)
    string(APPEND digest_input "${name} ${sum}\n")
endforeach()
file(SHA256 ${WXS} sum)
string(APPEND digest_input "ardelin.wxs ${sum}\n")
string(UUID package_code NAMESPACE ${NAMESPACE} NAME "${digest_input}" TYPE SHA1 UPPER)

file(REMOVE ${ZIP} ${MSI})
execute_process(COMMAND ${ARCHIVE} zip ${ZIP} ${STAGE}/files ${EPOCH} COMMAND_ERROR_IS_FATAL ANY)

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "${when}"
                        ${WIXL} -a x64 -o ${MSI} ${WXS}
                WORKING_DIRECTORY ${STAGE}/files COMMAND_ERROR_IS_FATAL ANY)
# The summary's title, author and template as wixl wrote them (the template,
# such as "x64;1033", quoted whole), and the new code.
execute_process(COMMAND msiinfo suminfo ${MSI} OUTPUT_VARIABLE summary COMMAND_ERROR_IS_FATAL ANY)
foreach(field Title Author Template)
    if(NOT summary MATCHES "${field}: ([^\n]*)")
        message(FATAL_ERROR "the MSI's summary has no ${field}:\n${summary}")
    endif()
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "${when}"
                        msibuild ${MSI} -s "${Title}" "${Author}" "${Template}" {${package_code}}
                COMMAND_ERROR_IS_FATAL ANY)
