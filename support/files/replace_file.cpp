#include "replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillomar {

namespace {

bool failed(int code, std::string* reason) {
    if (reason)
        *reason = std::strerror(code);
    return false;
}

// A new file next to `path`, created by this call; -1 with errno set when none can be made.
int createTemporary(const std::string& path, std::string& temporary) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".part" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool writeAll(int file, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(file, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool replaceFile(const std::string& path, const void* data, std::size_t size, std::string* reason) {
    std::string temporary;
    const int file = createTemporary(path, temporary);
    if (file < 0)
        return failed(errno, reason);
    const bool written = writeAll(file, static_cast<const char*>(data), size);
    int code = written ? 0 : errno;
    if (close(file) != 0 && code == 0)
        code = errno;
    if (code == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        code = errno;
    if (code != 0) {
        unlink(temporary.c_str());
        return failed(code, reason);
    }
    return true;
}

} // namespace quillomar
