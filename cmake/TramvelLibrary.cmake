# tramvel_library(NAME SOURCES file... [PUBLIC dep...] [PRIVATE dep...]): one static
# library of ours, its headers reached from src/, built with our warnings.
function(tramvel_library name)
  cmake_parse_arguments(L "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE} tramvel_warnings)
endfunction()
