#pragma once
// Pieces of the tools' command lines: numbers, sizes, frame ranges and per-frame output names.
#include <stdexcept>
#include <string>
#include <vector>

namespace quillomar_tools {

// A command line that cannot be run; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kLargestSide = 16384;

// A whole decimal integer from low to high, optionally signed, and nothing else.
bool parseInt(const std::string& text, long low, long high, int& value);

// "AxB" with both from 1 to `largest`.
bool parsePair(const std::string& text, int largest, int& a, int& b);

// "WxH" with both sides from 1 to kLargestSide. Throws UsageError.
void parseSize(const std::string& text, int& width, int& height);

// "A:B" with A <= B, or a single frame "A". Throws UsageError.
void parseFrames(const std::string& text, int& first, int& last);

// The output path of a frame: a printf-style integer conversion in the path (%d, %4d, %04d) is
// replaced by the frame number and "%%" by "%". Any other conversion is refused. Throws
// UsageError.
std::string framePath(const std::string& pattern, int frame);
bool hasFrameNumber(const std::string& pattern);

// Refuses an output name with a conversion other than the frame number's, one with a frame
// number when no frames were asked for (it would be written as it is), and one without a frame
// number when several frames go to separate files. Throws UsageError.
void checkOutputName(const std::string& output, bool framesGiven, bool severalFiles);

// A word that is not an option's: the scene, given once. Throws UsageError for an unknown option
// or a second scene.
void takeScene(const std::string& word, std::string& scene);

// Both a scene and an output were given. Throws UsageError.
void requireSceneAndOutput(const std::string& scene, const std::string& output);

// The value of the option at args[i], moving i onto it. Throws UsageError when there is none.
std::string needValue(const std::vector<std::string>& args, std::size_t& i);

} // namespace quillomar_tools
