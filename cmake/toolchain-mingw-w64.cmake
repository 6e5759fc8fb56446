# Cross build for Windows x64 with Debian's mingw-w64 (posix-thread compilers). The result runs on
# Windows and under Wine; it links only against the system DLLs (see shaders/CMakeLists.txt).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLOMAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLOMAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLOMAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLOMAR_MINGW_TRIPLE}-windres)

# Headers and libraries come from the Windows sysroot only, never from the build machine; programs
# (code generators, objdump) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLOMAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Lets add_test and try_run start Windows programs through Wine when it is installed.
find_program(QUILLOMAR_WINE64 NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUILLOMAR_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLOMAR_WINE64})
endif()
