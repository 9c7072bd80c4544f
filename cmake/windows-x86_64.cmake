# SPDX-License-Identifier: MIT
# Toolchain for 64-bit Windows.
set(FENDREL_MINGW_ARCH x86_64)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
