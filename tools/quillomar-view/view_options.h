#pragma once
// Command line of quillomar-view.
#include <command_line.h>
#include <contact_sheet.h>

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
    quillomar_tools::SheetLayout sheet; // --contact-sheet: the frames tiled into one picture
    bool stats = false;                 // print what a heads-up display would show, per frame
    bool verbose = false;               // list every line loading reports, not one per kind
    bool legacyViewport = false;        // Maya 2019's default is Viewport 2.0
};

// Throws UsageError.
ViewOptions parseViewOptions(const std::vector<std::string>& args);

const char* usageText();

} // namespace quillomar_view
