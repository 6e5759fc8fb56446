#pragma once
// Runs a command line as a user's shell would and keeps what it printed and how it ended.
#include <string>

namespace testsupport {

struct ToolRun {
    int exitCode = -1;  // -1 when the command did not exit normally
    std::string output; // standard output and standard error together
};

ToolRun runCommand(const std::string& command);

// How often `part` occurs in `text` between the first `from` and the first `to` after it (the
// whole text when either is empty or missing).
std::size_t occurrences(const std::string& text, const std::string& part,
                        const std::string& from = "", const std::string& to = "");

} // namespace testsupport
