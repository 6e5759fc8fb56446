#include "command_line.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace quillomar_tools {
namespace {

// Scans one conversion at pattern[i] == '%'; returns its length and width, or 0 for "%%".
std::size_t conversionAt(const std::string& pattern, std::size_t i, int& width, bool& zeroPad) {
    std::size_t j = i + 1;
    if (j < pattern.size() && pattern[j] == '%')
        return 0;
    zeroPad = j < pattern.size() && pattern[j] == '0';
    if (zeroPad)
        ++j;
    const std::size_t digits = j;
    while (j < pattern.size() && std::isdigit(unsigned(pattern[j])))
        ++j;
    if (j - digits > 2 || j >= pattern.size() || pattern[j] != 'd')
        throw UsageError("output name \"" + pattern +
                         "\": only %d, %4d or %04d may stand for the frame number (use %% for %)");
    width = j > digits ? std::atoi(pattern.substr(digits, j - digits).c_str()) : 0;
    return j - i + 1;
}

} // namespace

bool parseInt(const std::string& text, long low, long high, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high || std::isspace(unsigned(text[0])))
        return false;
    value = static_cast<int>(v);
    return true;
}

bool parsePair(const std::string& text, int largest, int& a, int& b) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && parseInt(text.substr(0, x), 1, largest, a) &&
           parseInt(text.substr(x + 1), 1, largest, b);
}

std::string needValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size())
        throw UsageError(args[i] + " needs a value");
    return args[++i];
}

void parseSize(const std::string& text, int& width, int& height) {
    if (!parsePair(text, kLargestSide, width, height))
        throw UsageError("bad size \"" + text + "\": expected WIDTHxHEIGHT, each 1 to " +
                         std::to_string(kLargestSide));
}

void parseFrames(const std::string& text, int& first, int& last) {
    const std::size_t colon = text.find(':');
    const bool ok = colon == std::string::npos
                        ? parseInt(text, -1000000, 1000000, first) && (last = first, true)
                        : parseInt(text.substr(0, colon), -1000000, 1000000, first) &&
                              parseInt(text.substr(colon + 1), -1000000, 1000000, last);
    if (!ok || last < first)
        throw UsageError("bad frame range \"" + text +
                         "\": expected FIRST:LAST with FIRST <= LAST");
}

bool hasFrameNumber(const std::string& pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%')
            continue;
        int width = 0;
        bool zeroPad = false;
        const std::size_t length = conversionAt(pattern, i, width, zeroPad);
        if (length > 0)
            return true;
        ++i; // skip the second '%' of "%%"
    }
    return false;
}

std::string framePath(const std::string& pattern, int frame) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        int width = 0;
        bool zeroPad = false;
        const std::size_t length = conversionAt(pattern, i, width, zeroPad);
        if (length == 0) {
            out += '%';
            ++i;
            continue;
        }
        char number[128]; // width is at most 99
        std::snprintf(number, sizeof number, zeroPad ? "%0*d" : "%*d", width, frame);
        out += number;
        i += length - 1;
    }
    return out;
}

void takeScene(const std::string& word, std::string& scene) {
    if (!word.empty() && word[0] == '-')
        throw UsageError("unknown option " + word);
    if (!scene.empty())
        throw UsageError("more than one scene given: " + scene + " and " + word);
    scene = word;
}

void requireSceneAndOutput(const std::string& scene, const std::string& output) {
    if (scene.empty())
        throw UsageError("no scene file given");
    if (output.empty())
        throw UsageError("no output file given (-o OUT.png)");
}

void checkOutputName(const std::string& output, bool framesGiven, bool severalFiles) {
    const bool numbered = hasFrameNumber(output);
    if (!numbered && severalFiles)
        throw UsageError(
            "with several frames the output name needs a frame number, e.g. out.%04d.png");
    if (numbered && !framesGiven)
        throw UsageError("the output name " + output +
                         " has a frame number but no frames were asked for; add --frames A:B");
}

} // namespace quillomar_tools
