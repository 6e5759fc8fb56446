#include "scene/load_report.h"

#include <map>

namespace scene {

std::vector<LoadMessage>& lastLoadMessages() {
    static std::vector<LoadMessage> messages;
    return messages;
}

bool& loadReportsEveryLine() {
    static bool everyLine = false;
    return everyLine;
}

std::string formatLoadMessages(const std::string& file, const std::vector<LoadMessage>& messages,
                               bool everyLine) {
    std::string out;
    auto line = [&out, &file](const LoadMessage& m, const std::string& text) {
        out += file + ":" + std::to_string(m.line) + ": " + text + "\n";
    };
    if (everyLine) {
        for (const LoadMessage& m : messages)
            line(m, m.text);
        return out;
    }
    std::map<std::string, size_t> counts;
    for (const LoadMessage& m : messages)
        ++counts[m.kind];
    for (const LoadMessage& m : messages) {
        auto it = counts.find(m.kind);
        if (it == counts.end())
            continue; // shown at its first line
        if (it->second == 1)
            line(m, m.text);
        else
            line(m, m.kind + " (" + std::to_string(it->second) + " lines; --verbose lists them)");
        counts.erase(it);
    }
    return out;
}

} // namespace scene
