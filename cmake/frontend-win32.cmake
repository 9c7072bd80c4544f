# SPDX-License-Identifier: MIT
# The Win32 front end: one self-contained fendrel.exe, with its icon, manifest and
# version information, and a zip with the exe, the README and the licence.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Every program here, tests too, carries the C++ and GCC run-times inside itself, so
# that it needs only the DLLs every Windows has; and no time of its build, so that the
# same source gives the same exe.
add_link_options(-static -Wl,--no-insert-timestamp)
enable_language(RC)

# The icon, made from the same SVG as the Linux desktop's.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(MAGICK_CONVERT convert REQUIRED)
set(FENDREL_ICO ${CMAKE_CURRENT_BINARY_DIR}/${FENDREL_APP_ID}.ico)
set(svg ${CMAKE_CURRENT_SOURCE_DIR}/data/${FENDREL_APP_ID}.svg)
add_custom_command(OUTPUT ${FENDREL_ICO}
    COMMAND ${RSVG_CONVERT} -w 16 -h 16 ${svg} -o icon16.png
    COMMAND ${RSVG_CONVERT} -w 32 -h 32 ${svg} -o icon32.png
    COMMAND ${RSVG_CONVERT} -w 48 -h 48 ${svg} -o icon48.png
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 ${svg} -o icon256.png
    COMMAND ${MAGICK_CONVERT} icon16.png icon32.png icon48.png icon256.png ${FENDREL_ICO}
    DEPENDS ${svg}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
configure_file(data/windows/fendrel.rc.in fendrel.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/fendrel.rc PROPERTIES
    OBJECT_DEPENDS "${FENDREL_ICO};${CMAKE_CURRENT_SOURCE_DIR}/data/windows/fendrel.exe.manifest")

add_library(fendrel_win32 STATIC
    view/win32/anzeigelabel.cpp
    view/win32/decimalseparator.cpp
    view/win32/errordialog.cpp
    view/win32/fendrelwindow.cpp)
target_link_libraries(fendrel_win32 PUBLIC fendrel_exercise)

add_executable(fendrel WIN32 app/win32main.cpp ${CMAKE_CURRENT_BINARY_DIR}/fendrel.rc)
target_link_libraries(fendrel PRIVATE fendrel_win32)
target_link_options(fendrel PRIVATE -municode -s)

set(zip ${CMAKE_CURRENT_BINARY_DIR}/fendrel-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR}.zip)
add_custom_command(OUTPUT ${zip}
    COMMAND ${FENDREL_ZIP} ${zip} $<TARGET_FILE:fendrel> ${CMAKE_CURRENT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE
    DEPENDS fendrel README.md LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/cmake/zip.py VERBATIM)
add_custom_target(fendrel_zip ALL DEPENDS ${zip})

option(FENDREL_BENCH "Build the Win32 floor that the benchmark compares with" OFF)
if(FENDREL_BENCH)
    add_subdirectory(bench)
endif()
