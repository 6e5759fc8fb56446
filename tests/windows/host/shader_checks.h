#pragma once
// One run of each shader with known inputs, under shaderHost's renderer functions.
#include "shader_library.h"

void checkChoiceMr(const ShaderLibrary& library);
void checkComposite(const ShaderLibrary& library);
// contourMltShader, then contourStore, contourContrast and contourShader on its sample.
void checkContourPipeline(const ShaderLibrary& library);
