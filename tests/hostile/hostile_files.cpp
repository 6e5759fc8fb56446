#include "hostile_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <unistd.h>

namespace hostile {

std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + "hostile_" + std::to_string(getpid()) + "_" + name;
}

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int filesStartingWith(const std::string& folder, const std::string& prefix) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().filename().string().rfind(prefix, 0) == 0;
    return count;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previous_ = limit.rlim_cur;
    std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = previous_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

} // namespace hostile
