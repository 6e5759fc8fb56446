# Install layout: a Maya module (quillomar.mod, plug-ins/, scripts/, shaders/include, shaders/lib).
include(GNUInstallDirs)
install(DIRECTORY dist/ DESTINATION . OPTIONAL)
