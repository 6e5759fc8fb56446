#pragma once
// What reading a scene file reported, line by line, and how it is shown: every line, or (the
// default) one line per kind of message with how often it came, so that a large scene saved by
// Maya does not bury the reader in thousands of lines about what the stand-in leaves out.
#include <string>
#include <vector>

namespace scene {

struct LoadMessage {
    int line = 0;
    std::string kind; // what the lines of one kind share, e.g. "warning: unknown command 'x'"
    std::string text; // this line's own message
};

// The messages of the last scene read, in line order.
std::vector<LoadMessage>& lastLoadMessages();

// Each message as "file:line: text", or per kind: "file:line: text" for a kind seen once and
// "file:first: kind (N lines; --verbose lists them)" for one seen N times.
std::string formatLoadMessages(const std::string& file, const std::vector<LoadMessage>& messages,
                               bool everyLine);

// Whether reading a scene prints every message (else the summary).
bool& loadReportsEveryLine();

} // namespace scene
