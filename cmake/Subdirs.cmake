# Adds every direct sub-folder of the current source folder that has a CMakeLists.txt,
# in name order, so that a new area joins the build without editing its parent.
# TRAMVEL_SKIP_AREAS lists folder names to leave out (an area under repair).
set(TRAMVEL_SKIP_AREAS "" CACHE STRING "Sub-folders of tests/, tools/ and bench/ to leave out of the build")
function(tramvel_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(child IN_LIST TRAMVEL_SKIP_AREAS)
      continue()
    endif()
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
