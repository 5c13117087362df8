# Delay-loaded system DLLs. qs_delay_imports(<program> <library>...) gives the program, in
# place of the named import libraries (gdiplus, ws2_32 ...), import libraries of the same names
# whose functions load their DLL on the first call (the toolchain's delayimp helper): the
# loader no longer maps those DLLs, and the ones they import, before the program's first code
# runs. The libraries that name them in target_link_libraries stay as they are; only the
# program's link finds the delay-loading ones first. A DLL whose data (not functions) the
# program uses cannot be delay-loaded.
function(qs_delay_imports target)
  set(dir ${CMAKE_BINARY_DIR}/delay_imports)
  foreach(library IN LISTS ARGN)
    # One library per DLL, however many programs use it.
    if(NOT TARGET qs_delay_import_${library})
      find_library(QS_IMPORT_LIBRARY_${library} NAMES ${library} REQUIRED NO_CACHE)
      set(output ${dir}/lib${library}.a)
      add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
                -DIMPORT_LIBRARY=${QS_IMPORT_LIBRARY_${library}} -DDLL=${library}.dll
                -DPROCESSOR=${CMAKE_SYSTEM_PROCESSOR} -DOUTPUT=${output}
                -P ${PROJECT_SOURCE_DIR}/cmake/make_delay_import.cmake
        DEPENDS ${QS_IMPORT_LIBRARY_${library}} ${PROJECT_SOURCE_DIR}/cmake/make_delay_import.cmake
        COMMENT "Delay-loading import library for ${library}.dll")
      add_custom_target(qs_delay_import_${library} DEPENDS ${output})
    endif()
    add_dependencies(${target} qs_delay_import_${library})
  endforeach()
  target_link_directories(${target} BEFORE PRIVATE ${dir})
  target_link_libraries(${target} PRIVATE delayimp)
endfunction()
