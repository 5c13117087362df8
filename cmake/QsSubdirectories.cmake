# How folders join the build.
#
#   qs_add_subdirectories([<folder>...])
#
# Adds the named folders below the current source folder in the order given (lowest layer
# first), or, with no names, every folder there in name order, so a new engine or page family
# under cleaners/ or tools/ (and its tests) is picked up without listing it. A folder without a
# CMakeLists.txt of its own is passed over.
include_guard(GLOBAL)

macro(qs_add_subdirectories)
  if(${ARGC} GREATER 0)
    set(_qs_subdirs ${ARGN})
  else()
    file(GLOB _qs_subdirs LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  endif()
  foreach(_qs_dir ${_qs_subdirs})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_qs_dir}/CMakeLists.txt)
      add_subdirectory(${_qs_dir})
    endif()
  endforeach()
endmacro()
