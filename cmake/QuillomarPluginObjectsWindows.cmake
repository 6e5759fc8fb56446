# Windows build of the plug-in sources with neither a Maya devkit nor a stand-in host library to
# link: they compile against the stand-in's Maya headers into an object library, which proves the
# Windows-only paths build. No Windows GLUT library is at hand to link the .mll, so only the GLUT
# header is taken, from the build machine's freeglut, whose header carries the Windows
# declarations itself. Included from plugins/CMakeLists.txt with QUILLOMAR_PLUGIN_SOURCES set.
find_path(QUILLOMAR_GLUT_HEADER_DIR GL/freeglut_std.h PATHS /usr/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT QUILLOMAR_GLUT_HEADER_DIR)
  message(FATAL_ERROR "quillomarPlugins: the freeglut header (Debian libglut-dev) is missing")
endif()
# Only the GLUT header goes on the Windows include path, never the build machine's /usr/include.
set(QUILLOMAR_WINDOWS_GLUT_DIR ${CMAKE_CURRENT_BINARY_DIR}/glut-header)
file(COPY ${QUILLOMAR_GLUT_HEADER_DIR}/GL/glut.h ${QUILLOMAR_GLUT_HEADER_DIR}/GL/freeglut_std.h
     DESTINATION ${QUILLOMAR_WINDOWS_GLUT_DIR}/GL)

find_package(OpenMP REQUIRED COMPONENTS CXX)

add_library(quillomarPlugins OBJECT ${QUILLOMAR_PLUGIN_SOURCES})
target_compile_definitions(quillomarPlugins PRIVATE NT_PLUGIN REQUIRE_IOSTREAM _USE_MATH_DEFINES)
quillomar_warnings(quillomarPlugins)
target_include_directories(quillomarPlugins PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src
                                                    ${PROJECT_SOURCE_DIR}/host/maya/include)
target_include_directories(quillomarPlugins SYSTEM PRIVATE ${QUILLOMAR_WINDOWS_GLUT_DIR})
target_link_libraries(quillomarPlugins PRIVATE OpenMP::OpenMP_CXX)
