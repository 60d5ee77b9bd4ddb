# Cross build for 32-bit Windows with Debian's mingw-w64 toolchain: the exe
# that runs on every Windows the host client runs on, XP SP3 onwards.
set(QUIMBLY_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
