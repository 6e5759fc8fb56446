#include "scene_file.h"

#include <sstream>
#include <vector>

namespace quillomar {

namespace {

// "name.rest" -> {name, rest}; rest is empty without a dot.
std::pair<std::string, std::string> splitName(const std::string& text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) {
        return {text, ""};
    }
    return {text.substr(0, dot), text.substr(dot + 1)};
}

class SceneReader {
public:
    SceneReader(const rayhost::ShaderLibrary& library, const rayhost::PatternShaders& patterns,
                rayhost::ShaderNetwork& network)
        : library_(library), patterns_(patterns), network_(network) {}

    void statement(const std::vector<std::string>& words) {
        const std::string& verb = words[0];
        if (verb == "shader") {
            expectCount(words, 3, "shader NAME SHADER");
            const std::string& shader = words[2];
            network_.add(words[1], patterns_.provides(shader) ? patterns_.kind(shader)
                                                              : library_.kind(shader));
        } else if (verb == "array") {
            expectCount(words, 3, "array NAME.PATH COUNT");
            const auto [name, path] = fieldOf(words[1]);
            network_.setArraySize(network_.find(name), path, static_cast<int>(number(words[2])));
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
            if (hasOutput_) {
                throw SceneError("a scene renders one output");
            }
            const auto [source, field] = splitName(words[1]);
            output_ = {network_.find(source), field};
            if (network_.resultType(output_.instance, field).kind != rayhost::ValueKind::Color) {
                throw SceneError(words[1] + " is not a color output");
            }
            hasOutput_ = true;
        } else {
            throw SceneError("unknown statement \"" + verb + "\"");
        }
    }

    rayhost::Output output() const {
        if (!hasOutput_) {
            throw SceneError("no render statement");
        }
        return output_;
    }

private:
    const rayhost::ShaderLibrary& library_;
    const rayhost::PatternShaders& patterns_;
    rayhost::ShaderNetwork& network_;
    rayhost::Output output_;
    bool hasOutput_ = false;

    static void expectCount(const std::vector<std::string>& words, std::size_t count,
                            const char* usage) {
        if (words.size() != count) {
            throw SceneError(std::string("usage: ") + usage);
        }
    }
    static std::pair<std::string, std::string> fieldOf(const std::string& text) {
        auto parts = splitName(text);
        if (parts.second.empty()) {
            throw SceneError("expected NAME.PATH, got \"" + text + "\"");
        }
        return parts;
    }
    static double number(const std::string& text) {
        std::size_t used = 0;
        double value = 0;
        try {
            value = std::stod(text, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != text.size()) {
            throw SceneError("not a number: \"" + text + "\"");
        }
        return value;
    }
};

} // namespace

rayhost::Output loadScene(std::istream& in, const std::string& origin,
                          const rayhost::ShaderLibrary& library,
                          const rayhost::PatternShaders& patterns,
                          rayhost::ShaderNetwork& network) {
    SceneReader reader(library, patterns, network);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::vector<std::string> statement;
        for (std::string word; words >> word;) {
            statement.push_back(word);
        }
        if (statement.empty()) {
            continue;
        }
        try {
            reader.statement(statement);
        } catch (const std::exception& error) {
            throw SceneError(origin + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    try {
        return reader.output();
    } catch (const SceneError& error) {
        throw SceneError(origin + ": " + error.what());
    }
}

} // namespace quillomar
