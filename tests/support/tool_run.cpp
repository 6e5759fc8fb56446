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

} // namespace testsupport
