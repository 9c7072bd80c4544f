# SPDX-License-Identifier: MIT
# The browser front end: one static site in site/, with the program as fendrel.js and
# fendrel.wasm, its page, stylesheet, web app manifest, icons and a service worker
# that keeps all of them for offline use; and the site as a zip beside it.
add_library(fendrel_web STATIC
    view/web/anzeigelabel.cpp
    view/web/decimalseparator.cpp
    view/web/errordialog.cpp
    view/web/fendrelwindow.cpp)
target_link_libraries(fendrel_web PUBLIC fendrel_exercise)

set(site ${CMAKE_CURRENT_BINARY_DIR}/site)
set(library ${CMAKE_CURRENT_SOURCE_DIR}/view/web/page.js)
set(keypad ${CMAKE_CURRENT_SOURCE_DIR}/view/web/keypad.js)
set(start ${CMAKE_CURRENT_SOURCE_DIR}/view/web/pagestart.js)
add_executable(fendrel app/webmain.cpp)
target_link_libraries(fendrel PRIVATE fendrel_web)
set_target_properties(fendrel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site})
# No eval and no new Function, as the page's Content-Security-Policy wants. (SHELL:
# keeps CMake from folding the two --js-library into one.)
target_link_options(fendrel PRIVATE --pre-js ${start} "SHELL:--js-library ${library}" "SHELL:--js-library ${keypad}"
    -sDYNAMIC_EXECUTION=0
    -sENVIRONMENT=web -sMALLOC=emmalloc -sINCOMING_MODULE_JS_API=[] -sEXPORTED_RUNTIME_METHODS=[])
set_property(TARGET fendrel APPEND PROPERTY LINK_DEPENDS ${library} ${keypad} ${start})

# The page with its stylesheet inside, its web app manifest, and the icons made from
# the same SVG as the desktops'.
set(web ${CMAKE_CURRENT_SOURCE_DIR}/data/web)
set(svg ${CMAKE_CURRENT_SOURCE_DIR}/data/${FENDREL_APP_ID}.svg)
set(page index.html manifest.webmanifest ${FENDREL_APP_ID}.svg icon-192.png icon-512.png)
list(TRANSFORM page PREPEND ${site}/ OUTPUT_VARIABLE page_files)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
add_custom_command(OUTPUT ${page_files}
    COMMAND ${PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/inlinestyle.py ${web}/index.html ${web}/fendrel.css
            ${site}/index.html
    COMMAND ${CMAKE_COMMAND} -E copy ${web}/manifest.webmanifest ${svg} ${site}
    COMMAND ${RSVG_CONVERT} -w 192 -h 192 ${svg} -o ${site}/icon-192.png
    COMMAND ${RSVG_CONVERT} -w 512 -h 512 ${svg} -o ${site}/icon-512.png
    DEPENDS ${web}/index.html ${web}/fendrel.css ${web}/manifest.webmanifest ${svg}
            ${CMAKE_CURRENT_SOURCE_DIR}/cmake/inlinestyle.py VERBATIM)
set(files fendrel.js fendrel.wasm ${page})
add_custom_command(OUTPUT ${site}/sw.js
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${web}/sw.js.in -DOUTPUT=sw.js -DFENDREL_VERSION=${PROJECT_VERSION} "-DFILES=${files}"
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/webcache.cmake
    DEPENDS fendrel ${page_files} ${web}/sw.js.in ${CMAKE_CURRENT_SOURCE_DIR}/cmake/webcache.cmake
    WORKING_DIRECTORY ${site} VERBATIM)

# What a static web host needs, and nothing else: the zip holds exactly the files of
# site/, in a fixed order and with fixed times, so that it is the same for the same
# source.
set(zip ${CMAKE_CURRENT_BINARY_DIR}/fendrel-${PROJECT_VERSION}-web.zip)
list(TRANSFORM files PREPEND ${site}/ OUTPUT_VARIABLE site_files)
add_custom_command(OUTPUT ${zip}
    COMMAND ${FENDREL_ZIP} ${zip} ${site_files} ${site}/sw.js
    DEPENDS ${site}/sw.js ${CMAKE_CURRENT_SOURCE_DIR}/cmake/zip.py VERBATIM)
add_custom_target(fendrel_site ALL DEPENDS ${zip})
