+ MAYAVERSION:2019 PLATFORM:win64 quillomar 1.0.0 .
plug-ins: plug-ins
MI_CUSTOM_SHADER_PATH+:=shaders/include
MI_CUSTOM_SHADER_PATH+:=shaders/lib

+ MAYAVERSION:2019 PLATFORM:linux quillomar 1.0.0 .
plug-ins: plug-ins
MI_CUSTOM_SHADER_PATH+:=shaders/include
MI_CUSTOM_SHADER_PATH+:=shaders/lib
