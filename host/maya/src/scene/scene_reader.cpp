#include "scene/mel_commands.h"
#include "scene/scene_file.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

namespace scene {

namespace {

struct Report {
    int line;
    std::string text;
};

} // namespace

MStatus readSceneFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read scene file " + path;
        return MS::kNotFound;
    }
    std::stringstream text;
    text << in.rdbuf();
    MelScript script = parseMel(text.str());

    std::vector<Report> reports;
    for (const MelSyntaxError& e : script.errors)
        reports.push_back({e.line, e.message});
    MelSession session;
    session.readingFile = true;
    for (const MelCommand& command : script.commands) {
        MelResult result;
        std::string message;
        switch (runMelCommand(command, session, result, message)) {
        case MelOutcome::Done:
            break;
        case MelOutcome::Unknown:
            reports.push_back({command.line, "warning: unknown command '" +
                                                 command.words.front().text + "' skipped"});
            break;
        case MelOutcome::Failed:
            reports.push_back({command.line, message});
            break;
        }
    }
    std::stable_sort(reports.begin(), reports.end(),
                     [](const Report& a, const Report& b) { return a.line < b.line; });
    for (const Report& r : reports)
        std::cerr << path << ":" << r.line << ": " << r.text << "\n";
    return MS::kSuccess;
}

} // namespace scene
