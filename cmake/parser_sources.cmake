# The code that reads input from outside (the key list, config.sys), without
# the application around it: what the fuzz targets and benchmarks build.
set(PARSER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../framework/afx_string.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../framework/mbcs_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../installer/key_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../installer/device_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../patcher/settings_rewrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../framework/memory_failure_abort.cpp)
