#include "tool_run.h"

#include <cstdio>
#include <sys/wait.h>

namespace testsupport {

ToolRun runCommand(const std::string& command) {
    ToolRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::size_t occurrences(const std::string& text, const std::string& part, const std::string& from,
                        const std::string& to) {
    std::size_t begin = from.empty() ? 0 : text.find(from);
    if (begin == std::string::npos)
        begin = 0;
    std::size_t end = to.empty() ? std::string::npos : text.find(to, begin);
    const std::string range = text.substr(begin, end == std::string::npos ? end : end - begin);
    std::size_t count = 0;
    for (std::size_t at = range.find(part); at != std::string::npos; at = range.find(part, at + 1))
        ++count;
    return count;
}

} // namespace testsupport
