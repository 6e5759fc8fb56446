# House warning level for every target of ours.
function(quillomar_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # Maya's plug-in entry points are extern "C" functions returning MStatus, as its headers
    # declare them; clang warns about every such declaration.
    target_compile_options(${target} PRIVATE -Wno-return-type-c-linkage)
  endif()
endfunction()

# Adds every CMakeLists.txt-bearing subfolder of the current folder, so that each area owns its
# own list file and nobody edits a shared one to add an area.
function(quillomar_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
