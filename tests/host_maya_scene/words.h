#pragma once
// A value's text split into words, as the scene reader hands them to the parsers.
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}
