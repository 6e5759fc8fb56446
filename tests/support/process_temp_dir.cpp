// Linked into every test program: a temporary folder of the process's own, made at start-up
// inside the program's (TEST_TMPDIR, else TMPDIR, else /tmp) and removed at exit. ctest runs each
// test of a program as a process of its own, several at once, so a file name two tests share
// (a scene both render, a picture both write) would otherwise be read by one while the other
// rewrites it. googletest's TempDir() reads TEST_TMPDIR on every call and children inherit it.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string baseFolder() {
    for (const char* name : {"TEST_TMPDIR", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "/tmp";
}

class ProcessTempDir {
public:
    ProcessTempDir() {
        std::string pattern = baseFolder();
        if (pattern.back() != '/')
            pattern += '/';
        pattern += "process-XXXXXX";
        // Left as it was when no folder can be made: the tests then report what they cannot write.
        if (!mkdtemp(pattern.data()))
            return;
        path_ = pattern;
        owner_ = getpid();
        setenv("TEST_TMPDIR", (path_ + "/").c_str(), 1);
    }
    ~ProcessTempDir() {
        // A death test's forked child that exits runs this too: the folder is still its parent's.
        if (path_.empty() || getpid() != owner_)
            return;
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProcessTempDir(const ProcessTempDir&) = delete;
    ProcessTempDir& operator=(const ProcessTempDir&) = delete;

private:
    std::string path_;
    pid_t owner_ = 0;
};

const ProcessTempDir processTempDir;

} // namespace
