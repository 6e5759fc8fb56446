#include "view_stats.h"

#include <map>

namespace quillomar_view {

namespace {

std::string number(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

FrameStats gatherFrameStats(const std::string& camera) {
    FrameStats stats;
    stats.camera = camera;
    stats.frame = hostkit::currentTime();
    stats.meshes = hostkit::meshes();
    for (const hostkit::LocatorInfo& locator : hostkit::locators())
        stats.locatorsDrawn += locator.visible ? 1 : 0;
    stats.loadMessages = hostkit::loadMessages();
    return stats;
}

std::string formatFrameStats(const FrameStats& stats) {
    size_t drawn = 0, vertices = 0, faces = 0;
    std::string drawnLines, hiddenLines;
    for (const hostkit::MeshInfo& mesh : stats.meshes) {
        const std::string path = mesh.shape.fullPathName().asChar();
        if (mesh.visible) {
            ++drawn;
            vertices += mesh.points.size();
            faces += mesh.faces.size();
            drawnLines += "    " + path + ": " + std::to_string(mesh.points.size()) +
                          " vertices, " + std::to_string(mesh.faces.size()) + " faces\n";
        } else {
            hiddenLines += "    " + path + ": " + mesh.notDrawn + "\n";
        }
    }
    std::string out = "frame " + number(stats.frame) + ", camera " + stats.camera + "\n";
    out += "  meshes drawn: " + std::to_string(drawn) + " (" + std::to_string(vertices) +
           " vertices, " + std::to_string(faces) + " faces)\n" + drawnLines;
    out +=
        "  meshes not drawn: " + std::to_string(stats.meshes.size() - drawn) + "\n" + hiddenLines;
    out += "  locators drawn: " + std::to_string(stats.locatorsDrawn) + "\n";
    // Kinds in the order they first came, each with its count.
    std::vector<std::string> kinds;
    std::map<std::string, size_t> counts;
    for (const hostkit::LoadMessage& m : stats.loadMessages)
        if (counts[m.kind]++ == 0)
            kinds.push_back(m.kind);
    out += "  load messages: " + std::to_string(stats.loadMessages.size()) + "\n";
    for (const std::string& kind : kinds)
        out += "    " + std::to_string(counts[kind]) + " x " + kind + "\n";
    return out;
}

} // namespace quillomar_view
