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
#              -DEPOCH= -DNAMESPACE= -DWIXL= -DFAKETIME= -DMSIBUILD= -DARCHIVE="python;archive.py"
#              -DTITLE= -DAUTHOR= -DTEMPLATE= -P make_packages.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/digest.cmake)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/files/Ardelin)
file(COPY_FILE ${EXE} ${STAGE}/files/Ardelin/ardelin.exe)
file(COPY_FILE ${LICENSE} ${STAGE}/files/Ardelin/LICENSE.txt)
file(COPY_FILE ${README} ${STAGE}/files/Ardelin/README.txt)
file(COPY_FILE ${ICON} ${STAGE}/ardelin.ico)
file(COPY_FILE ${WXS} ${STAGE}/ardelin.wxs)
set(staged files/Ardelin/ardelin.exe files/Ardelin/LICENSE.txt files/Ardelin/README.txt ardelin.ico ardelin.wxs)
foreach(name ${staged})
    execute_process(COMMAND touch -d @${EPOCH} ${STAGE}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
ardelin_digest(digest ${STAGE} ${staged})
string(UUID package_code NAMESPACE ${NAMESPACE} NAME ${digest} TYPE SHA1 UPPER)

file(REMOVE ${ZIP} ${MSI})
execute_process(COMMAND ${ARCHIVE} zip ${ZIP} ${STAGE}/files ${EPOCH} COMMAND_ERROR_IS_FATAL ANY)

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "${when}"
                        ${WIXL} -a x64 -o ${MSI} ${STAGE}/ardelin.wxs
                WORKING_DIRECTORY ${STAGE}/files COMMAND_ERROR_IS_FATAL ANY)
# msibuild writes the summary's title, author and template anew with the
# code, so they are given as the .wxs and wixl make them.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "${when}"
                        ${MSIBUILD} ${MSI} -s "${TITLE}" "${AUTHOR}" "${TEMPLATE}" {${package_code}}
                COMMAND_ERROR_IS_FATAL ANY)
