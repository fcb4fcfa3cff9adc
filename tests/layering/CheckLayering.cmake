# cmake -DMJ_SOURCE_ROOT=<tree> [-DMJ_EXPECTED=<file>] -P CheckLayering.cmake
# Fails listing every include of the tree that breaks the layering.  With MJ_EXPECTED (a file
# naming one offending source per line) it instead fails unless exactly those are found: the
# check of the check itself.
include(${CMAKE_CURRENT_LIST_DIR}/Layering.cmake)

mj_layering_violations("${MJ_SOURCE_ROOT}" violations)

if(NOT DEFINED MJ_EXPECTED)
  if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes against the layering (engine -> rules -> platform; no Qt, "
                        "SDL, FluidSynth, FreeType or curl above the platform layer):\n  ${text}")
  endif()
  message(STATUS "No include against the layering under ${MJ_SOURCE_ROOT}")
  return()
endif()

set(got)
foreach(entry IN LISTS violations)
  string(REGEX REPLACE ":.*" "" source "${entry}")
  list(APPEND got "${source}")
endforeach()
file(STRINGS "${MJ_EXPECTED}" expected REGEX "^[^#]")
list(SORT got)
list(SORT expected)
if(NOT got STREQUAL expected)
  list(JOIN got "\n  " gotText)
  list(JOIN expected "\n  " expectedText)
  message(FATAL_ERROR "The layering check found:\n  ${gotText}\nbut the fixture holds:\n  ${expectedText}")
endif()
list(JOIN violations "\n  " text)
message(STATUS "Every planted violation was caught:\n  ${text}")
