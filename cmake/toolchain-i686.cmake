# Cross build for 32-bit Windows, the shipped target (this machine cannot run it).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
