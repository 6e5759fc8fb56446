#include "view_options.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace quillomar_view {
namespace {

constexpr int kLargestSide = 16384;
constexpr int kMostTiles = 100;

// A whole decimal integer, optionally signed; nothing else in the text.
bool toInt(const std::string& text, long low, long high, int& value) {
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

std::string needValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size())
        throw UsageError(args[i] + " needs a value");
    return args[++i];
}

// "AxB" with both from 1 to `largest`.
bool toPair(const std::string& text, int largest, int& a, int& b) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && toInt(text.substr(0, x), 1, largest, a) &&
           toInt(text.substr(x + 1), 1, largest, b);
}

} // namespace

void parseSize(const std::string& text, int& width, int& height) {
    if (!toPair(text, kLargestSide, width, height))
        throw UsageError("bad size \"" + text + "\": expected WIDTHxHEIGHT, each 1 to " +
                         std::to_string(kLargestSide));
}

void parseSheet(const std::string& text, int& columns, int& rows) {
    if (!toPair(text, kMostTiles, columns, rows))
        throw UsageError("bad contact sheet \"" + text + "\": expected COLSxROWS, each 1 to " +
                         std::to_string(kMostTiles));
}

void parseFrames(const std::string& text, int& first, int& last) {
    const std::size_t colon = text.find(':');
    const bool ok = colon == std::string::npos
                        ? toInt(text, -1000000, 1000000, first) && (last = first, true)
                        : toInt(text.substr(0, colon), -1000000, 1000000, first) &&
                              toInt(text.substr(colon + 1), -1000000, 1000000, last);
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
    } else if (o.hasFrames && o.lastFrame > o.firstFrame && !hasFrameNumber(o.output))
        throw UsageError(
            "with several frames the output name needs a frame number, e.g. out.%04d.png");
    hasFrameNumber(o.output); // refuses conversions other than the frame number
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
