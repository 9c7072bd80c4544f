# SPDX-License-Identifier: MIT
# Toolchain for 32-bit Windows.
set(FENDREL_MINGW_ARCH i686)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
