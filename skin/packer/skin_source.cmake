# Where our skin's source lies: the INI and bitmaps in skin/data/.
# Sets QS_SKIN_DATA_DIR and QS_SKIN_DATA_FILES (re-listed when files come or go).
get_filename_component(QS_SKIN_DATA_DIR ${CMAKE_CURRENT_LIST_DIR}/../data ABSOLUTE)
file(GLOB QS_SKIN_DATA_FILES CONFIGURE_DEPENDS ${QS_SKIN_DATA_DIR}/*.ini ${QS_SKIN_DATA_DIR}/*.bmp)
