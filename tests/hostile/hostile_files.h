#pragma once
// Files for hostile-input tests: written into the test temporary folder under names of this
// process's own, and a file size limit that makes writes fail as on a full disk.
#include <string>

namespace hostile {

std::string tempPath(const std::string& name);
std::string writeFile(const std::string& name, const std::string& text);
std::string readFile(const std::string& path);
// Files in the folder whose names start with `prefix`.
int filesStartingWith(const std::string& folder, const std::string& prefix);

// While it lives, writing past `bytes` in any file fails with EFBIG, as writing to a full disk
// fails with ENOSPC (the signal such a write raises is ignored, so the call fails instead).
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long previous_;
};

} // namespace hostile
