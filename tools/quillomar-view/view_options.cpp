#include "view_options.h"

namespace quillomar_view {
namespace {

using quillomar_tools::kLargestSide;
using quillomar_tools::needValue;
using quillomar_tools::parsePair;

constexpr int kMostTiles = 100;

} // namespace

void parseSheet(const std::string& text, int& columns, int& rows) {
    if (!parsePair(text, kMostTiles, columns, rows))
        throw UsageError("bad contact sheet \"" + text + "\": expected COLSxROWS, each 1 to " +
                         std::to_string(kMostTiles));
}

ViewOptions parseViewOptions(const std::vector<std::string>& args) {
    ViewOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "--plugin") {
            o.plugins.push_back(needValue(args, i));
        } else if (a == "--camera") {
            o.camera = needValue(args, i);
        } else if (a == "--size") {
            parseSize(needValue(args, i), o.width, o.height);
        } else if (a == "--frames") {
            parseFrames(needValue(args, i), o.firstFrame, o.lastFrame);
            o.hasFrames = true;
        } else if (a == "--contact-sheet") {
            parseSheet(needValue(args, i), o.sheetColumns, o.sheetRows);
        } else if (a == "-o" || a == "--output") {
            o.output = needValue(args, i);
        } else if (a == "--style") {
            const std::string style = needValue(args, i);
            if (style != "shaded" && style != "wireframe")
                throw UsageError("bad style \"" + style + "\": expected shaded or wireframe");
            o.shaded = style == "shaded";
        } else if (a == "--stats") {
            o.stats = true;
        } else if (a == "--verbose") {
            o.verbose = true;
        } else if (!a.empty() && a[0] == '-') {
            throw UsageError("unknown option " + a);
        } else if (o.scene.empty()) {
            o.scene = a;
        } else {
            throw UsageError("more than one scene given: " + o.scene + " and " + a);
        }
    }
    if (o.scene.empty())
        throw UsageError("no scene file given");
    if (o.output.empty())
        throw UsageError("no output file given (-o OUT.png)");
    if (o.sheetColumns > 0) {
        const long frames = static_cast<long>(o.lastFrame) - o.firstFrame + 1;
        if (!o.hasFrames)
            throw UsageError("--contact-sheet tiles the frames of --frames A:B; give both");
        if (frames > static_cast<long>(o.sheetColumns) * o.sheetRows)
            throw UsageError("a " + std::to_string(o.sheetColumns) + "x" +
                             std::to_string(o.sheetRows) + " contact sheet holds fewer than the " +
                             std::to_string(frames) + " frames of " + std::to_string(o.firstFrame) +
                             ":" + std::to_string(o.lastFrame));
        if (static_cast<long>(o.sheetColumns) * o.width > kLargestSide ||
            static_cast<long>(o.sheetRows) * o.height > kLargestSide)
            throw UsageError("the contact sheet would be larger than " +
                             std::to_string(kLargestSide) + " pixels a side; use a smaller --size");
    }
    // A contact sheet is one picture, whatever the range.
    quillomar_tools::checkOutputName(o.output, o.sheetColumns == 0 && o.hasFrames &&
                                                   o.lastFrame > o.firstFrame);
    return o;
}

const char* usageText() {
    return "usage: quillomar-view SCENE.ma [--plugin LIB]... [--camera NAME] [--size WxH]\n"
           "                      [--frames A:B [--contact-sheet CxR]]\n"
           "                      [--style shaded|wireframe] [--stats] [--verbose] -o OUT.png\n"
           "\n"
           "Loads each plug-in library the way Maya does, opens the scene, draws the camera's\n"
           "viewport (the ground grid, the meshes, then every locator) and writes a PNG.\n"
           "\n"
           "  --plugin LIB     plug-in library to load first (repeatable)\n"
           "  --camera NAME    camera transform or shape (default: persp, else the first\n"
           "                   perspective camera)\n"
           "  --size WxH       image size in pixels (default 640x480)\n"
           "  --frames A:B     draw frames A to B; OUT may hold %04d for the frame number\n"
           "  --contact-sheet CxR\n"
           "                   with --frames: one picture instead of one per frame, the\n"
           "                   frames tiled C across and R down in reading order (first frame\n"
           "                   top-left), each tile --size large, unused tiles black; e.g.\n"
           "                   --frames 1:12 --contact-sheet 4x3 --size 320x240 -o sheet.png\n"
           "  --style S        shaded (default) or wireframe meshes\n"
           "  --stats          per frame, what a heads-up display shows: meshes drawn (with\n"
           "                   their vertices and faces) and not drawn (with why), locators\n"
           "                   drawn, and the scene's load messages counted by kind\n"
           "  --verbose        list every line the scene's loading reports (default: one line\n"
           "                   per kind of message, with its count)\n"
           "  -o OUT.png       output file\n"
           "  -h, --help       this text\n";
}

} // namespace quillomar_view
