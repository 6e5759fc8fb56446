#pragma once
// Command line of quillomar-view.
#include <stdexcept>
#include <string>
#include <vector>

namespace quillomar_view {

// A command line that cannot be run; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ViewOptions {
    bool help = false;
    std::string scene;
    std::vector<std::string> plugins;
    std::string camera; // empty: "persp", else the first perspective camera
    int width = 640;
    int height = 480;
    bool hasFrames = false;
    int firstFrame = 0;
    int lastFrame = 0;
    std::string output;
    bool shaded = true;
    // With --contact-sheet: the frames tiled into one picture of this many columns and rows.
    int sheetColumns = 0;
    int sheetRows = 0;
    bool stats = false;   // print what a heads-up display would show, per frame
    bool verbose = false; // list every line loading reports, not one per kind
};

// Throws UsageError.
ViewOptions parseViewOptions(const std::vector<std::string>& args);

// "WxH" with both sides from 1 to 16384. Throws UsageError.
void parseSize(const std::string& text, int& width, int& height);

// "COLSxROWS" with both from 1 to 100. Throws UsageError.
void parseSheet(const std::string& text, int& columns, int& rows);

// "A:B" with A <= B, or a single frame "A". Throws UsageError.
void parseFrames(const std::string& text, int& first, int& last);

// The output path of a frame: a printf-style integer conversion in the path (%d, %4d, %04d) is
// replaced by the frame number and "%%" by "%". Any other conversion is refused. Throws
// UsageError.
std::string framePath(const std::string& pattern, int frame);
bool hasFrameNumber(const std::string& pattern);

const char* usageText();

} // namespace quillomar_view
