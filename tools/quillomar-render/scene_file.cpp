#include "scene_file.h"
#include "scene_objects.h"
#include "scene_words.h"

#include <sstream>
#include <vector>

namespace quillomar {

namespace {

class SceneReader {
public:
    SceneReader(const rayhost::ShaderLibrary& library, const rayhost::PatternShaders& patterns,
                rayhost::ShaderNetwork& network)
        : library_(library), patterns_(patterns), network_(network),
          objects_(network, loaded_.scene, loaded_.options) {}

    void statement(const Words& words, int line) {
        const std::string& verb = words[0];
        if (verb == "shader") {
            expectCount(words, 3, "shader NAME SHADER");
            const std::string& shader = words[2];
            network_.add(words[1], patterns_.provides(shader) ? patterns_.kind(shader)
                                                              : library_.kind(shader));
        } else if (verb == "array") {
            expectCount(words, 3, "array NAME.PATH COUNT");
            const auto [name, path] = fieldOf(words[1]);
            network_.setArraySize(network_.find(name), path,
                                  integer(words[2], 0, rayhost::kMostArrayElements));
        } else if (verb == "set") {
            if (words.size() < 3) {
                throw SceneError("usage: set NAME.PATH VALUE...");
            }
            const auto [name, path] = fieldOf(words[1]);
            std::vector<double> values;
            for (std::size_t i = 2; i < words.size(); ++i) {
                values.push_back(number(words[i]));
            }
            network_.set(network_.find(name), path, values);
        } else if (verb == "connect") {
            expectCount(words, 3, "connect NAME.PATH SOURCE[.FIELD]");
            const auto [name, path] = fieldOf(words[1]);
            const auto [source, field] = splitName(words[2]);
            network_.connect(network_.find(name), path, network_.find(source), field);
        } else if (verb == "render") {
            expectCount(words, 2, "render SOURCE[.FIELD]");
            if (loaded_.output) {
                throw SceneError("a scene renders one output");
            }
            const auto [source, field] = splitName(words[1]);
            const rayhost::Output output{network_.find(source), field};
            if (network_.resultType(output.instance, field).kind != rayhost::ValueKind::Color) {
                throw SceneError(words[1] + " is not a color output");
            }
            loaded_.output = output;
        } else if (!objects_.statement(words, line)) {
            throw SceneError("unknown statement \"" + verb + "\"");
        }
    }

    LoadedScene finish() {
        objects_.finish();
        if (loaded_.output && objects_.hasInstances()) {
            throw SceneError("a scene renders either a shader output or objects, not both");
        }
        if (!loaded_.output && !objects_.hasInstances()) {
            throw SceneError("no render statement and no instances");
        }
        return std::move(loaded_);
    }

private:
    const rayhost::ShaderLibrary& library_;
    const rayhost::PatternShaders& patterns_;
    rayhost::ShaderNetwork& network_;
    LoadedScene loaded_;
    ObjectStatements objects_;
};

} // namespace

LoadedScene loadScene(std::istream& in, const std::string& origin,
                      const rayhost::ShaderLibrary& library,
                      const rayhost::PatternShaders& patterns, rayhost::ShaderNetwork& network) {
    SceneReader reader(library, patterns, network);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Words statement;
        for (std::string word; words >> word;) {
            statement.push_back(word);
        }
        if (statement.empty()) {
            continue;
        }
        try {
            reader.statement(statement, lineNumber);
        } catch (const std::exception& error) {
            throw SceneError(origin + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    try {
        return reader.finish();
    } catch (const LineError& error) {
        throw SceneError(origin + ":" + std::to_string(error.line) + ": " + error.what());
    } catch (const SceneError& error) {
        throw SceneError(origin + ": " + error.what());
    }
}

} // namespace quillomar
