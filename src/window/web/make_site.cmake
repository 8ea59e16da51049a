# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the web page's site in SITE: the page's own files and its notes page from WEB_DIR,
# the module (CORE_JS, CORE_WASM), the icons, the licence and the source
# archive; the page with its form's HTML (FORM) and DISPLAY_VERSION; then the
# service worker, whose cache name carries the version and
# a digest of every file it keeps.
# Usage: cmake -DSITE=... -DWEB_DIR=... -DCORE_JS=... -DCORE_WASM=... -DICONS="a;b"
#              -DLICENSE=... -DSOURCE_ARCHIVE=... -DVERSION=... -DDISPLAY_VERSION=...
#              -DFORM=... -DLINKS=... -DCATALOGUES=... -P make_site.cmake
# The page's catalogues (CATALOGUES, a folder of CODE.json) go to lang/; the
# page fetches its language's alone, and the service worker keeps each one
# the page has used.
file(MAKE_DIRECTORY ${SITE})
file(COPY ${WEB_DIR}/ardelin.js ${WEB_DIR}/ardelin.css ${WEB_DIR}/notes.html ${WEB_DIR}/notes.js ${CORE_JS}
     ${CORE_WASM} ${ICONS} ${SOURCE_ARCHIVE} DESTINATION ${SITE})
file(COPY_FILE ${LICENSE} ${SITE}/LICENSE.txt)
file(READ ${FORM} ARDELIN_FORM)
file(READ ${LINKS} ARDELIN_LANGUAGE_LINKS)
file(GLOB catalogues RELATIVE ${CATALOGUES} ${CATALOGUES}/*.json)
list(SORT catalogues)
file(REMOVE_RECURSE ${SITE}/lang)
file(MAKE_DIRECTORY ${SITE}/lang)
set(ARDELIN_LANGUAGES "")
foreach(name ${catalogues})
    file(COPY_FILE ${CATALOGUES}/${name} ${SITE}/lang/${name})
    string(REPLACE ".json" "" code ${name})
    string(REPLACE "_" "-" code ${code})
    list(APPEND ARDELIN_LANGUAGES ${code})
endforeach()
list(JOIN ARDELIN_LANGUAGES " " ARDELIN_LANGUAGES)
set(ARDELIN_DISPLAY_VERSION ${DISPLAY_VERSION})
cmake_path(GET SOURCE_ARCHIVE FILENAME ARDELIN_SOURCE_ARCHIVE)
configure_file(${WEB_DIR}/index.html.in ${SITE}/index.html @ONLY)

# Everything the page and its notes need offline; the source archive is only a link.
set(cached index.html ardelin.css ardelin.js ardelin-core.js ardelin-core.wasm manifest.webmanifest ardelin.ico
    icon-192.png icon-512.png LICENSE.txt notes.html notes.js)
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/digest.cmake)
ardelin_digest(digest ${SITE} ${cached})
set(quoted "\"./\"")
foreach(name ${cached})
    string(APPEND quoted ", \"${name}\"")
endforeach()
string(SUBSTRING ${digest} 0 12 digest)
set(CACHE_NAME "ardelin-${VERSION}-${digest}")
set(CACHED_FILES ${quoted})
configure_file(${WEB_DIR}/sw.js.in ${SITE}/sw.js @ONLY)
