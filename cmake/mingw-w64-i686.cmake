# Cross build for 32-bit Windows with Debian's mingw-w64 toolchain: the exe
# that runs on every Windows the host client runs on, Windows 95 and NT 4.0
# onwards (the processor is set in CMakeLists.txt).
set(QUIMBLY_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
