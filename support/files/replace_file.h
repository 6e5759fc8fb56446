#pragma once
// Writes a whole file so that whatever was at the path is replaced only by a complete new file.
#include <cstddef>
#include <string>

namespace quillomar {

// Writes the bytes to a new temporary file in the path's folder, checking every write and the
// close, then renames it over `path`. On failure (a full disk, a file size limit, a folder that
// is missing or not writable, a path that names a folder) the temporary file is removed,
// whatever was at `path` is left as it was, and `reason` gets the system's reason.
bool replaceFile(const std::string& path, const void* data, std::size_t size,
                 std::string* reason = nullptr);

} // namespace quillomar
