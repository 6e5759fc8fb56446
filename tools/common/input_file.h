#pragma once
// Input files of the tools, refused up front with the reason when they cannot be read.
#include <string>

namespace quillomar_tools {

// Throws std::runtime_error "cannot read WHAT PATH: REASON" unless the path is a file this
// process can read (a missing file, a folder or one without permission is refused).
void checkReadableFile(const std::string& path, const std::string& what);

// The whole file, refused as checkReadableFile does, or when reading it fails part way.
std::string readWholeFile(const std::string& path, const std::string& what);

} // namespace quillomar_tools
