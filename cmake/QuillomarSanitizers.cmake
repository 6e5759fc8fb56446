# Sanitizer builds: the presets asan (QUILLOMAR_SANITIZE "address;undefined", with the fuzz
# targets) and tsan ("thread") build everything instrumented.
set(QUILLOMAR_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address;undefined or thread")

if(QUILLOMAR_SANITIZE)
  list(JOIN QUILLOMAR_SANITIZE "," sanitizers)
  add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${sanitizers})
  if("undefined" IN_LIST QUILLOMAR_SANITIZE)
    # A finding ends the program, so the test that makes it fails.
    add_compile_options(-fno-sanitize-recover=undefined)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      # The renderer calls every shader through one generic function type, its calling
      # convention for shaders whose parameter blocks it lays out itself; the check that an
      # indirect call's type matches the callee's declared C++ type does not apply to it.
      add_compile_options(-fno-sanitize=function)
    endif()
  endif()
endif()

if(QUILLOMAR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUILLOMAR_FUZZ needs clang (libFuzzer)")
  endif()
  # Coverage for libFuzzer in every library the fuzz targets load; the fuzz targets alone link
  # the fuzzer itself.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
