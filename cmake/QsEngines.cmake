# Engines (scans, cleaners, fixes, HTTP) are libraries that run without windows: they report
# through callbacks and pump through base/message_pump.h, so they are tested without a window.
#
#   qs_engine(<library>)   marks a library as an engine.
#
# Once every folder has been added, the configure step fails when an engine links qs_gui,
# directly or through any library it links. Including this file arms that check.
include_guard(GLOBAL)

function(qs_engine target)
  set_property(GLOBAL APPEND PROPERTY QS_ENGINE_TARGETS ${target})
endfunction()

# Names of the libraries that Target links, as written (generator expressions other than
# $<LINK_ONLY:...> and directory markers dropped).
function(_qs_linked_libraries target out)
  set(items)
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND items ${direct})
    endif()
  endif()
  get_target_property(usage ${target} INTERFACE_LINK_LIBRARIES)
  if(usage)
    list(APPEND items ${usage})
  endif()
  set(names)
  foreach(item IN LISTS items)
    if(item MATCHES "^\\$<LINK_ONLY:([^<>]+)>$")
      set(item ${CMAKE_MATCH_1})
    endif()
    if(item MATCHES "^::@" OR item MATCHES "\\$<")
      continue()
    endif()
    list(APPEND names ${item})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Walks the link graph of every engine breadth first and stops at the first path to qs_gui.
function(qs_check_engines)
  get_property(engines GLOBAL PROPERTY QS_ENGINE_TARGETS)
  foreach(engine IN LISTS engines)
    if(NOT TARGET ${engine})
      message(FATAL_ERROR "qs_engine(${engine}): no such library")
    endif()
    set(queue ${engine})
    set(seen ${engine})
    set(path_${engine} ${engine})
    while(queue)
      list(POP_FRONT queue current)
      _qs_linked_libraries(${current} linked)
      foreach(next IN LISTS linked)
        if(next IN_LIST seen OR NOT TARGET ${next})
          continue()
        endif()
        set(path_${next} "${path_${current}} -> ${next}")
        if(next STREQUAL "qs_gui")
          message(FATAL_ERROR "Engine ${engine} links the window framework: ${path_${next}}. "
                              "Engines report and pump through callbacks (base/message_pump.h).")
        endif()
        list(APPEND seen ${next})
        list(APPEND queue ${next})
      endforeach()
    endwhile()
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL qs_check_engines)
