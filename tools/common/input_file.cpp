#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillomar_tools {

namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& what,
                         const std::string& reason) {
    throw std::runtime_error("cannot read " + what + " " + path + ": " + reason);
}

} // namespace

void checkReadableFile(const std::string& path, const std::string& what) {
    std::error_code ec;
    // A folder opens for reading, and then reads as nothing.
    if (std::filesystem::is_directory(path, ec))
        refuse(path, what, "it is a folder");
    errno = 0;
    if (!std::ifstream(path))
        refuse(path, what, errno ? std::strerror(errno) : "it cannot be opened");
}

std::string readWholeFile(const std::string& path, const std::string& what) {
    checkReadableFile(path, what);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        refuse(path, what, "reading failed");
    return text.str();
}

} // namespace quillomar_tools
