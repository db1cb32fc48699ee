# tramvel_library(NAME SOURCES file... [INCLUDE dir...] [PUBLIC dep...] [PRIVATE dep...]):
# one static library of ours, built with our warnings. Its headers are reached
# from src/; a library outside src/ (an outside program's core, a test helper)
# names the folders its users include from with INCLUDE.
function(tramvel_library name)
  cmake_parse_arguments(L "" "" "SOURCES;INCLUDE;PUBLIC;PRIVATE" ${ARGN})
  if(L_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tramvel_library(${name}): unknown arguments ${L_UNPARSED_ARGUMENTS}")
  endif()
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${L_INCLUDE})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE} tramvel_warnings)
endfunction()
