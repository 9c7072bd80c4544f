# SPDX-License-Identifier: MIT
# Cross-building for Windows with Debian's MinGW-w64; FENDREL_MINGW_ARCH is set by the
# toolchain file that includes this one. Programs built for tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${FENDREL_MINGW_ARCH})
set(triplet ${FENDREL_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
