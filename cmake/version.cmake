# The version of `project(vorns VERSION ...)` in the top CMakeLists.txt, the one
# source of the version that the programs print (`--version`) and the package
# carries, as the macro VORNS_VERSION of the interface target vorns_version.
# tools/ also builds on its own; it then reads the version from that line.
if(PROJECT_NAME STREQUAL "vorns")
  set(VORNS_VERSION ${PROJECT_VERSION})
else()
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt vorns_project_line REGEX "^project\\(vorns VERSION ")
  string(REGEX MATCH "VERSION ([0-9.]+)" vorns_project_line "${vorns_project_line}")
  set(VORNS_VERSION ${CMAKE_MATCH_1})
endif()
if(NOT TARGET vorns_version)
  add_library(vorns_version INTERFACE)
  target_compile_definitions(vorns_version INTERFACE VORNS_VERSION="${VORNS_VERSION}")
endif()
