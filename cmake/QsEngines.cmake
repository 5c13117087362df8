# Engines (scans, cleaners, fixes, HTTP) are libraries that run without windows: they report
# through callbacks and pump through base/message_pump.h, so they are tested without a window.
# Pages reach the window they live in through their page host (gui/pagekit/page_host.h), never
# through the main window's library, so a page is tested inside a fake host.
#
#   qs_engine(<library>)   marks a library as an engine.
#   qs_page(<library>)     marks a library of feature pages.
#
# Once every folder has been added, the configure step fails when an engine links qs_gui or a
# page library links qs_app, directly or through any library it links. Including this file arms
# those checks.
include_guard(GLOBAL)

function(qs_engine target)
  set_property(GLOBAL APPEND PROPERTY QS_ENGINE_TARGETS ${target})
endfunction()

function(qs_page target)
  set_property(GLOBAL APPEND PROPERTY QS_PAGE_TARGETS ${target})
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

# Walks the link graph of every library marked in the global property Marked breadth first and
# stops at the first path to Forbidden; the error reads "<Kind> <library> links <Reached>: <path>.".
function(_qs_check_marked marked forbidden what kind reached why)
  get_property(targets GLOBAL PROPERTY ${marked})
  foreach(start IN LISTS targets)
    if(NOT TARGET ${start})
      message(FATAL_ERROR "${what}(${start}): no such library")
    endif()
    set(queue ${start})
    set(seen ${start})
    set(path_${start} ${start})
    while(queue)
      list(POP_FRONT queue current)
      _qs_linked_libraries(${current} linked)
      foreach(next IN LISTS linked)
        if(next IN_LIST seen OR NOT TARGET ${next})
          continue()
        endif()
        set(path_${next} "${path_${current}} -> ${next}")
        if(next STREQUAL forbidden)
          message(FATAL_ERROR "${kind} ${start} links ${reached}: ${path_${next}}. ${why}")
        endif()
        list(APPEND seen ${next})
        list(APPEND queue ${next})
      endforeach()
    endwhile()
  endforeach()
endfunction()

function(qs_check_engines)
  _qs_check_marked(QS_ENGINE_TARGETS qs_gui qs_engine Engine "the window framework"
                   "Engines report and pump through callbacks (base/message_pump.h).")
  _qs_check_marked(QS_PAGE_TARGETS qs_app qs_page "Page library" "the main window's library"
                   "Pages reach the main window through their page host (gui/pagekit/page_host.h).")
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL qs_check_engines)
