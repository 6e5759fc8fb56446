#include "scene_words.h"

#include <cmath>
#include <limits>

namespace quillomar {

std::pair<std::string, std::string> splitName(const std::string& text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) {
        return {text, ""};
    }
    return {text.substr(0, dot), text.substr(dot + 1)};
}

std::pair<std::string, std::string> fieldOf(const std::string& text) {
    auto parts = splitName(text);
    if (parts.second.empty()) {
        throw SceneError("expected NAME.PATH, got \"" + text + "\"");
    }
    return parts;
}

void expectCount(const Words& words, std::size_t count, const char* usage) {
    if (words.size() != count) {
        throw SceneError(std::string("usage: ") + usage);
    }
}

double number(const std::string& text) {
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

float scalar(const std::string& text) {
    const double value = number(text);
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        throw SceneError(text + " is beyond the range of a 32-bit float");
    }
    return static_cast<float>(value);
}

int integer(const std::string& text, int low, int high) {
    const double value = number(text);
    if (!(value >= low && value <= high) || value != std::floor(value)) {
        throw SceneError("\"" + text + "\" is not a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    }
    return static_cast<int>(value);
}

std::vector<double> triple(const Words& words, std::size_t first) {
    return {number(words.at(first)), number(words.at(first + 1)), number(words.at(first + 2))};
}

} // namespace quillomar
