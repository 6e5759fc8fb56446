#include "scene/mel_values.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace scene {

namespace {

template <typename T> std::string shortest(T value, int maxDigits) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buf[64];
    // Enough digits for the integer part, so 10 is written "10", not "1e+01".
    const double magnitude = std::fabs(static_cast<double>(value));
    const int integerDigits = magnitude >= 1.0 ? static_cast<int>(std::log10(magnitude)) + 1 : 1;
    for (int digits = std::min(integerDigits, maxDigits); digits <= maxDigits; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, static_cast<double>(value));
        if (static_cast<T>(std::strtod(buf, nullptr)) == value)
            break;
    }
    return buf;
}

} // namespace

std::string formatDouble(double value) {
    return shortest(value, std::numeric_limits<double>::max_digits10);
}

std::string formatFloat(float value) {
    return shortest(value, std::numeric_limits<float>::max_digits10);
}

std::string quoteMel(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

bool parseDouble(const std::string& word, double& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(word.c_str(), &end);
    if (*end != '\0' || (errno == ERANGE && std::isinf(v)))
        return false;
    value = v;
    return true;
}

bool parseInt(const std::string& word, int& value) {
    double v = 0;
    if (!parseDouble(word, v) || std::isnan(v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

bool parseBool(const std::string& word, bool& value) {
    if (word == "true" || word == "on" || word == "yes") {
        value = true;
        return true;
    }
    if (word == "false" || word == "off" || word == "no") {
        value = false;
        return true;
    }
    double v = 0;
    if (!parseDouble(word, v))
        return false;
    value = v != 0.0;
    return true;
}

} // namespace scene
