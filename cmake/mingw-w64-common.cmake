# What both mingw-w64 cross builds share; the including file names the triple.
set(CMAKE_SYSTEM_NAME Windows)
# The "win32" thread model: its runtime uses only what Windows XP has, where
# the "posix" one would bring in winpthreads.
set(CMAKE_C_COMPILER ${QUIMBLY_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QUIMBLY_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${QUIMBLY_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUIMBLY_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
