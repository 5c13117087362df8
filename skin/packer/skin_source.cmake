# Where our skin's source lies: the INI and bitmaps in skin/data/, or a small stand-in from
# the tests until skin/data/ has an INI. Sets QS_SKIN_DATA_DIR and QS_SKIN_DATA_FILES.
get_filename_component(QS_SKIN_ROOT ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
file(GLOB QS_SKIN_DATA_INI CONFIGURE_DEPENDS ${QS_SKIN_ROOT}/skin/data/*.ini)
if(QS_SKIN_DATA_INI)
  set(QS_SKIN_DATA_DIR ${QS_SKIN_ROOT}/skin/data)
else()
  set(QS_SKIN_DATA_DIR ${QS_SKIN_ROOT}/tests/host/fixture_skin)
endif()
file(GLOB QS_SKIN_DATA_FILES CONFIGURE_DEPENDS ${QS_SKIN_DATA_DIR}/*)
