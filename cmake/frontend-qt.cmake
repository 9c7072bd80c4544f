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

install(TARGETS fendrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${FENDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${FENDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${FENDREL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME fendrel)
set(CPACK_PACKAGE_CONTACT "Fendrel developers <fendrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sight alignment exercise: centre the front sight in the rear sight's notch")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Dependencies come from the libraries the program links; Debian's libqt6gui6 also
# carries the X11 and offscreen platform plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

option(FENDREL_BENCH "Build the benchmarks and the floor program they compare with" OFF)
if(FENDREL_BENCH)
    add_subdirectory(bench)
endif()

option(FENDREL_FUZZ "Build the libFuzzer target (clang only)" OFF)
if(FENDREL_FUZZ)
    add_subdirectory(fuzz)
endif()
