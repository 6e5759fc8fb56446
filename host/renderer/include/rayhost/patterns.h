#pragma once
// The renderer's own test patterns, colours that vary over the image's texture coordinates, for
// previews that need an input changing across the picture:
//   color "uvRamp" (color "start", color "end", integer "axis")      0: along u, 1: along v
//   color "uvChecker" (color "color1", color "color2", integer "repeats")
// Their parameters follow the evaluation rule like any shader's.
#include "rayhost/shader_library.h"

#include <string>
#include <vector>

namespace rayhost {

class PatternShaders {
public:
    PatternShaders();
    const std::vector<ShaderDeclaration>& declarations() const { return declarations_; }
    bool provides(const std::string& shader) const;
    // Throws LoadError for a name that is not a pattern.
    ShaderKind kind(const std::string& shader) const;

private:
    std::vector<ShaderDeclaration> declarations_;
};

} // namespace rayhost
