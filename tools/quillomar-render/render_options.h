#pragma once
// Command line of quillomar-render.
#include <command_line.h>
#include <contact_sheet.h>

#include <string>
#include <vector>

namespace quillomar_render {

struct RenderOptions {
    bool help = false;
    std::string scene;
    std::string output;
    int width = 256;
    int height = 256;
    int threads = 0; // 0: one per core of this machine, at most 16
    bool hasFrames = false;
    int firstFrame = 1;
    int lastFrame = 1;
    quillomar_tools::SheetLayout sheet; // --contact-sheet: the frames tiled into one picture
    std::string library;                // empty: the built quillomarShaders
    std::string declarations;           // empty: the shipped quillomarShaders.mi
};

// Throws quillomar_tools::UsageError.
RenderOptions parseRenderOptions(const std::vector<std::string>& args);

// The thread count a run uses: the one asked for, else one per core (1 to 16).
int threadsToUse(const RenderOptions& options);

const char* usageText();

} // namespace quillomar_render
