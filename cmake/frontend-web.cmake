# SPDX-License-Identifier: MIT
# The browser front end: one static page in the build folder, with the program as
# fendrel.js and fendrel.wasm, its stylesheet, web app manifest, icons and a service
# worker that keeps all of them for offline use.
add_library(fendrel_web STATIC
    view/web/anzeigelabel.cpp
    view/web/decimalseparator.cpp
    view/web/errordialog.cpp
    view/web/fendrelwindow.cpp)
target_link_libraries(fendrel_web PUBLIC fendrel_exercise)

set(library ${CMAKE_CURRENT_SOURCE_DIR}/view/web/page.js)
add_executable(fendrel app/webmain.cpp)
target_link_libraries(fendrel PRIVATE fendrel_web)
# No eval and no new Function, as the page's Content-Security-Policy wants.
target_link_options(fendrel PRIVATE --js-library ${library} -sDYNAMIC_EXECUTION=0 -sENVIRONMENT=web
    -sMALLOC=emmalloc -sINCOMING_MODULE_JS_API=[] -sEXPORTED_RUNTIME_METHODS=[])
set_property(TARGET fendrel APPEND PROPERTY LINK_DEPENDS ${library})

# The page's own files, and the icons made from the same SVG as the desktops'.
set(web ${CMAKE_CURRENT_SOURCE_DIR}/data/web)
set(svg ${CMAKE_CURRENT_SOURCE_DIR}/data/${FENDREL_APP_ID}.svg)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
add_custom_command(OUTPUT index.html fendrel.css manifest.webmanifest ${FENDREL_APP_ID}.svg icon-192.png icon-512.png
    COMMAND ${CMAKE_COMMAND} -E copy ${web}/index.html ${web}/fendrel.css ${web}/manifest.webmanifest ${svg} .
    COMMAND ${RSVG_CONVERT} -w 192 -h 192 ${svg} -o icon-192.png
    COMMAND ${RSVG_CONVERT} -w 512 -h 512 ${svg} -o icon-512.png
    DEPENDS ${web}/index.html ${web}/fendrel.css ${web}/manifest.webmanifest ${svg} VERBATIM)
set(page index.html fendrel.css manifest.webmanifest ${FENDREL_APP_ID}.svg icon-192.png icon-512.png)
add_custom_command(OUTPUT sw.js
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${web}/sw.js.in -DOUTPUT=sw.js "-DFILES=fendrel.js;fendrel.wasm;${page}"
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/webcache.cmake
    DEPENDS fendrel ${page} ${web}/sw.js.in ${CMAKE_CURRENT_SOURCE_DIR}/cmake/webcache.cmake VERBATIM)
add_custom_target(fendrel_site ALL DEPENDS sw.js)
