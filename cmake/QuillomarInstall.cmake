# `cmake --install` lays out a Maya module: quillomar.mod beside plug-ins/ (quillomarPlugins) and
# shaders/include (declarations) + shaders/lib (quillomarShaders); the targets install themselves.
install(FILES dist/quillomar.mod DESTINATION .)
file(GLOB QUILLOMAR_SHADER_DECLARATIONS ${CMAKE_CURRENT_SOURCE_DIR}/dist/*.mi)
install(FILES ${QUILLOMAR_SHADER_DECLARATIONS} DESTINATION shaders/include)
