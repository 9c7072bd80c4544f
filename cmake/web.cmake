# SPDX-License-Identifier: MIT
# Toolchain for the browser, with Debian's Emscripten. Programs built for tests run
# under node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)
# Emscripten's JavaScript optimizer needs acorn, which Debian keeps outside node's own
# search path.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
