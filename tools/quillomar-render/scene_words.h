#pragma once
// Reading the words of a scene statement: counts, numbers, NAME.PATH.
#include "scene_file.h"

#include <string>
#include <utility>
#include <vector>

namespace quillomar {

using Words = std::vector<std::string>;

// A fault found after reading, that belongs to an earlier line.
struct LineError : SceneError {
    LineError(int at, const std::string& what) : SceneError(what), line(at) {}
    int line;
};

// "name.rest" -> {name, rest}; rest is empty without a dot.
std::pair<std::string, std::string> splitName(const std::string& text);
// Like splitName, but the path is required.
std::pair<std::string, std::string> fieldOf(const std::string& text);
void expectCount(const Words& words, std::size_t count, const char* usage);
double number(const std::string& text);
// A number a 32-bit float holds (or an infinity, or NaN).
float scalar(const std::string& text);
// A whole number within [low, high].
int integer(const std::string& text, int low, int high);
// Three numbers from words[first].
std::vector<double> triple(const Words& words, std::size_t first);

} // namespace quillomar
