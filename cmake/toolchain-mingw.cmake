# Shared part of the MinGW-w64 cross toolchains; the caller sets CMAKE_SYSTEM_PROCESSOR.
# The posix thread model is required: std::mutex needs it.
set(CMAKE_SYSTEM_NAME Windows)
set(QS_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${QS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QS_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
