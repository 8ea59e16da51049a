# SPDX-License-Identifier: GPL-3.0-or-later
# ardelin_digest(OUT DIR NAME...): the SHA-256 of the lines "NAME SHA-256"
# of the files DIR/NAME, in the order given. It names contents: the same
# files under the same names give the same digest, and a changed byte, name
# or file another. The web site's cache name and the MSI's package code are
# made from it.
function(ardelin_digest out dir)
    set(lines "")
    foreach(name ${ARGN})
        if(NOT EXISTS ${dir}/${name})
            message(FATAL_ERROR "${dir} lacks ${name}")
        endif()
        file(SHA256 ${dir}/${name} sum)
        string(APPEND lines "${name} ${sum}\n")
    endforeach()
    string(SHA256 digest "${lines}")
    set(${out} ${digest} PARENT_SCOPE)
endfunction()
