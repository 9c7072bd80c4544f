# SPDX-License-Identifier: MIT
# The Qt Widgets front end for Linux (X11 and Wayland), its install rules and the
# Debian package.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
# moc 6.4 cannot parse the C++20 standard headers it would otherwise see through
# the compiler's predefined macros; it needs none of them.
set(CMAKE_AUTOMOC_COMPILER_PREDEFINES OFF)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Network Widgets Svg Test)
include(GNUInstallDirs)

add_library(fendrel_qt STATIC
    data/icon.qrc
    view/qt/accessibility.cpp
    view/qt/anzeigelabel.cpp
    view/qt/appicon.cpp
    view/qt/decimalseparator.cpp
    view/qt/displayscale.cpp
    view/qt/errordialog.cpp
    view/qt/fendrelwindow.cpp
    view/qt/keymapping.cpp
    app/qtform.cpp)
target_link_libraries(fendrel_qt PUBLIC fendrel_exercise Qt6::Widgets Qt6::Svg)

add_executable(fendrel app/qtmain.cpp)
target_link_libraries(fendrel PRIVATE fendrel_qt)
target_compile_definitions(fendrel PRIVATE FENDREL_APP_ID="${FENDREL_APP_ID}")

# The version is set once, above; the changelog and the metainfo name it as their
# newest release, and the manual page is given it.
file(STRINGS data/debian/changelog newest LIMIT_COUNT 1)
file(READ data/${FENDREL_APP_ID}.metainfo.xml metainfo)
if(NOT newest MATCHES "^fendrel \\(${PROJECT_VERSION}\\) " OR NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "data/debian/changelog and the metainfo must begin with release ${PROJECT_VERSION}")
endif()
configure_file(data/fendrel.1.in fendrel.1 @ONLY)

# The manual page and the changelog go in compressed, without time stamps, as Debian
# wants them.
find_program(GZIP gzip REQUIRED)
foreach(file IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/fendrel.1 ${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${name}.gz
        COMMAND ${GZIP} -9nc ${file} > ${name}.gz
        DEPENDS ${file})
    list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(fendrel_documents ALL DEPENDS ${compressed})

install(TARGETS fendrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped as Debian's own packages are: no symbols, no compiler notes.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/fendrel\")")
install(FILES data/${FENDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${FENDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${FENDREL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/fendrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fendrel)

set(CPACK_PACKAGE_NAME fendrel)
set(CPACK_PACKAGE_CONTACT "Fendrel developers <developers@fendrel.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sight alignment exercise with rear sight and front sight")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Fendrel trains the eye to align a front sight in the notch of a rear sight.\n"
    "A window shows the rear sight and a front-sight post at a random place; the\n"
    "arrow keys move the post one pixel at a time and Enter takes the shot. Each\n"
    "shot records how far the post was off, horizontally and vertically, and the\n"
    "next post is narrower. After twenty shots a report in German lists every shot\n"
    "and the mean deviation in each direction.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Dependencies come from the libraries the program links; Debian's libqt6gui6 also
# carries the X11 and offscreen platform plugins, qt6-wayland the Wayland one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)

option(FENDREL_BENCH "Build the benchmarks and the floor program they compare with" OFF)
if(FENDREL_BENCH)
    add_subdirectory(bench)
endif()

option(FENDREL_FUZZ "Build the libFuzzer target (clang only)" OFF)
if(FENDREL_FUZZ)
    add_subdirectory(fuzz)
endif()
