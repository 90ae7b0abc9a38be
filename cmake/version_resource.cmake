# Gives a deliverable its VERSIONINFO resource. The version number is the
# project's, set once in the top-level CMakeLists.txt.
set(PRODUCT_NAME "Zt4410 storage controller set-up utilities")
set(PRODUCT_COPYRIGHT "Copyright (C) 2026 the Zt4410 set-up utilities authors")

function(add_version_resource target description)
  set(DELIVERABLE_NAME ${target})
  set(DELIVERABLE_DESCRIPTION ${description})
  set(VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/release/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
