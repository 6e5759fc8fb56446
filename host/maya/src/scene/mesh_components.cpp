#include "scene/mesh_components.h"

#include "scene/word_reader.h"

namespace scene {

namespace {

// "N id id ..." after a tag.
bool readIds(WordReader& in, std::vector<int>& ids) {
    return in.counted(ids);
}

std::string idList(const std::vector<int>& ids) {
    std::string out = std::to_string(ids.size());
    for (int id : ids)
        out += " " + std::to_string(id);
    return out;
}

int startOf(const MeshComponents::EdgeEntry& e, bool forwards) {
    return forwards ? e.from : e.to;
}

// The vertex loop an edge loop walks; empty text on success.
std::string vertexLoop(const MeshComponents& c, const std::vector<int>& edges, size_t face,
                       std::vector<int>& vertices) {
    const std::string where = "face " + std::to_string(face);
    if (edges.size() < 3)
        return where + " has fewer than 3 edges";
    vertices.clear();
    int end = -1;
    for (size_t k = 0; k <= edges.size(); ++k) {
        const int signedId = edges[k % edges.size()];
        const bool forwards = signedId >= 0;
        const int id = forwards ? signedId : ~signedId;
        if (id < 0 || static_cast<size_t>(id) >= c.edges.size())
            return where + " uses edge " + std::to_string(id) + ", which does not exist";
        const MeshComponents::EdgeEntry& e = c.edges[id];
        if (k > 0 && startOf(e, forwards) != end)
            return where + ": its edges do not join up into a loop";
        if (k == edges.size())
            break;
        vertices.push_back(startOf(e, forwards));
        end = startOf(e, !forwards);
    }
    return "";
}

} // namespace

std::string parsePolyFace(const std::vector<std::string>& words, size_t& next, PolyFace& face) {
    face = PolyFace();
    if (next >= words.size() || words[next] != "f")
        return "a face must start with \"f\"";
    ++next;
    WordReader in(words, next);
    if (!readIds(in, face.edges))
        return "bad face edge list";
    std::map<int, size_t> uvLoops, colourLoops;
    while (next < words.size() && words[next] != "f") {
        const std::string tag = words[next++];
        std::vector<int> ids;
        int set = 0;
        if (tag == "h") {
            if (!readIds(in, ids))
                return "bad hole edge list";
            face.holes.push_back(ids);
        } else if (tag == "mu" || tag == "mc") {
            if (!in.integer(set) || set < 0 || !readIds(in, ids))
                return "bad \"" + tag + "\" id list";
            (tag == "mu" ? face.uvs : face.colours)[set].push_back(ids);
        } else if (tag == "fc") {
            // Per-face colour ids of older files: read so the rest of the face parses.
            if (!readIds(in, ids))
                return "bad \"fc\" id list";
        } else {
            return "unknown face data \"" + tag + "\"";
        }
    }
    for (const auto* sets : {&face.uvs, &face.colours})
        for (const auto& [set, loops] : *sets)
            if (loops.size() > face.holes.size() + 1)
                return "more id lists than loops in a face";
    return "";
}

std::string formatPolyFace(const PolyFace& face) {
    std::string out = "f " + idList(face.edges);
    for (const auto& hole : face.holes)
        out += " h " + idList(hole);
    for (const auto& [tag, sets] : {std::pair{"mu", &face.uvs}, std::pair{"mc", &face.colours}})
        for (const auto& [set, loops] : *sets)
            for (const auto& ids : loops)
                out += std::string(" ") + tag + " " + std::to_string(set) + " " + idList(ids);
    return out;
}

std::string buildMesh(const MeshComponents& c, MeshGeometry& mesh) {
    mesh = MeshGeometry();
    mesh.points = c.vertices;
    for (size_t i = 0; i < c.edges.size(); ++i) {
        const auto& e = c.edges[i];
        if (e.from < 0 || e.to < 0 || static_cast<size_t>(e.from) >= c.vertices.size() ||
            static_cast<size_t>(e.to) >= c.vertices.size())
            return "edge " + std::to_string(i) + " joins a vertex that does not exist";
        if (e.smooth)
            mesh.softEdges.push_back(makeEdge(e.from, e.to));
    }
    // UVs only when every face has them in the drawn set: a mesh holds one id per face-vertex.
    bool uvs = !c.us.empty();
    for (size_t f = 0; f < c.faces.size(); ++f) {
        const PolyFace& face = c.faces[f];
        std::vector<int> loop;
        std::string problem = vertexLoop(c, face.edges, f, loop);
        if (!problem.empty())
            return problem;
        mesh.faceCounts.push_back(static_cast<int>(loop.size()));
        mesh.faceConnects.insert(mesh.faceConnects.end(), loop.begin(), loop.end());
        for (const auto& hole : face.holes) {
            MeshGeometry::Hole h;
            h.face = static_cast<int>(f);
            if (!(problem = vertexLoop(c, hole, f, h.vertices)).empty())
                return problem;
            mesh.holes.push_back(std::move(h));
        }
        auto set = face.uvs.find(c.uvSet);
        uvs = uvs && set != face.uvs.end() && set->second.front().size() == loop.size();
        if (uvs)
            mesh.uvIds.insert(mesh.uvIds.end(), set->second.front().begin(),
                              set->second.front().end());
    }
    if (uvs) {
        mesh.us = c.us;
        mesh.vs = c.vs;
    } else {
        mesh.uvIds.clear();
    }
    // One user normal per face-vertex: missing ones are derived, extra ones dropped.
    if (!c.normals.empty()) {
        mesh.normals = c.normals;
        mesh.normals.resize(mesh.faceConnects.size(),
                            Vec3{kUnsetNormal, kUnsetNormal, kUnsetNormal});
    }
    return mesh.validate();
}

} // namespace scene
