#include "scene/load_report.h"
#include "scene/mel_commands.h"
#include "scene/scene_file.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

namespace scene {

MStatus readSceneFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read scene file " + path;
        return MS::kNotFound;
    }
    std::stringstream text;
    text << in.rdbuf();
    MelScript script = parseMel(text.str());

    std::vector<LoadMessage>& reports = lastLoadMessages();
    reports.clear();
    for (const MelSyntaxError& e : script.errors)
        reports.push_back({e.line, "syntax error: " + e.message, e.message});
    MelSession session;
    session.readingFile = true;
    for (const MelCommand& command : script.commands) {
        MelResult result;
        std::string message;
        const std::string& name = command.words.front().text;
        session.notes.clear();
        session.failureKind.clear();
        switch (runMelCommand(command, session, result, message)) {
        case MelOutcome::Done:
            break;
        case MelOutcome::Unknown: {
            const std::string text = "warning: unknown command '" + name + "' skipped";
            reports.push_back({command.line, text, text});
            break;
        }
        case MelOutcome::Failed:
            reports.push_back(
                {command.line,
                 session.failureKind.empty() ? name + ": errors" : session.failureKind, message});
            break;
        }
        for (const MelNote& note : session.notes)
            reports.push_back({command.line, note.kind, note.text});
    }
    std::stable_sort(reports.begin(), reports.end(),
                     [](const LoadMessage& a, const LoadMessage& b) { return a.line < b.line; });
    std::cerr << formatLoadMessages(path, reports, loadReportsEveryLine());
    return MS::kSuccess;
}

} // namespace scene
