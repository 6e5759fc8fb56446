# `cmake --install` lays out a Maya module: quillomar.mod beside plug-ins/ (quillomarPlugins),
# scripts/ (Attribute Editor templates, creation, menu and shelf scripts), icons/ (the node
# icons), shaders/include (declarations) and shaders/lib (quillomarShaders); the targets install
# themselves. Maya adds a module's scripts/ and icons/ to its search paths by itself.
#
# A plug-in built against the stand-in Maya links the stand-in's OpenMaya and this machine's C
# library, so no Maya can load it: such a build installs as a preview of the module, and says so
# in the module file and when it installs.
if(TARGET OpenMaya AND NOT MAYA_DEVKIT_DIR)
  set(QUILLOMAR_MODULE_PREVIEW ON)
  string(CONCAT QUILLOMAR_MODULE_NOTE
    "// PREVIEW - not for Maya. This module was built against quillomar's stand-in Maya (its own\n"
    "// OpenMaya) and this machine's C library, so Maya 2019 cannot load its plug-in. Its\n"
    "// scripts, icons and shader declarations are the real ones. For Maya install a Windows\n"
    "// build (the plug-in built with the Maya 2019 devkit) or a Linux build made with\n"
    "// MAYA_DEVKIT_DIR on the platform Maya 2019 supports (CentOS 7). See the README.\n")
else()
  set(QUILLOMAR_MODULE_NOTE "")
endif()
configure_file(dist/quillomar.mod.in ${CMAKE_BINARY_DIR}/quillomar.mod @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/quillomar.mod DESTINATION .)
install(DIRECTORY dist/scripts/ DESTINATION scripts FILES_MATCHING PATTERN "*.mel")
install(DIRECTORY dist/icons/ DESTINATION icons FILES_MATCHING PATTERN "*.png")
file(GLOB QUILLOMAR_SHADER_DECLARATIONS ${CMAKE_CURRENT_SOURCE_DIR}/dist/*.mi)
install(FILES ${QUILLOMAR_SHADER_DECLARATIONS} DESTINATION shaders/include)
if(QUILLOMAR_MODULE_PREVIEW)
  install(CODE [[message(STATUS "
quillomar: installed a PREVIEW of the Maya module. Its plug-in was built against the stand-in
Maya and cannot be loaded by Maya 2019. For Maya, install a Windows build (the plug-in built with
the Maya 2019 devkit, see README: Building for Windows) or a Linux build configured with
-DMAYA_DEVKIT_DIR=... on CentOS 7.")]])
endif()
