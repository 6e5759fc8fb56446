#pragma once
// Command line of quillomar-view.
#include <command_line.h>

#include <string>
#include <vector>

namespace quillomar_view {

using quillomar_tools::framePath;
using quillomar_tools::hasFrameNumber;
using quillomar_tools::parseFrames;
using quillomar_tools::parseSize;
using quillomar_tools::UsageError;

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
    bool legacyViewport = false; // Maya 2019's default is Viewport 2.0
};

// Throws UsageError.
ViewOptions parseViewOptions(const std::vector<std::string>& args);

// "COLSxROWS" with both from 1 to 100. Throws UsageError.
void parseSheet(const std::string& text, int& columns, int& rows);

const char* usageText();

} // namespace quillomar_view
