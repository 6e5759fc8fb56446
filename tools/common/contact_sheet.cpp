#include "contact_sheet.h"

#include "command_line.h"

#include <algorithm>
#include <cstddef>

namespace quillomar_tools {
namespace {

constexpr int kMostTiles = 100;

} // namespace

ContactSheet::ContactSheet(int columns, int rows, int tileWidth, int tileHeight)
    : columns_(columns), rows_(rows), sheet_(columns * tileWidth, rows * tileHeight) {
    for (std::size_t alpha = 3; alpha < sheet_.rgba.size(); alpha += 4)
        sheet_.rgba[alpha] = 255;
}

bool ContactSheet::place(int index, const quillomar::Image& tile) {
    if (index < 0 || index >= columns_ * rows_ || tile.width * columns_ != sheet_.width ||
        tile.height * rows_ != sheet_.height)
        return false;
    const int left = index % columns_ * tile.width;
    const int top = index / columns_ * tile.height;
    const std::size_t rowBytes = static_cast<std::size_t>(tile.width) * 4;
    for (int y = 0; y < tile.height; ++y)
        std::copy_n(tile.pixel(0, y), rowBytes, sheet_.pixel(left, top + y));
    return true;
}

SheetLayout parseSheet(const std::string& text) {
    SheetLayout sheet;
    if (!parsePair(text, kMostTiles, sheet.columns, sheet.rows))
        throw UsageError("bad contact sheet \"" + text + "\": expected COLSxROWS, each 1 to " +
                         std::to_string(kMostTiles));
    return sheet;
}

void checkSheet(const SheetLayout& sheet, bool hasFrames, int first, int last, int width,
                int height) {
    if (!sheet.wanted())
        return;
    const long frames = static_cast<long>(last) - first + 1;
    if (!hasFrames)
        throw UsageError("--contact-sheet tiles the frames of --frames A:B; give both");
    if (frames > static_cast<long>(sheet.columns) * sheet.rows)
        throw UsageError("a " + std::to_string(sheet.columns) + "x" + std::to_string(sheet.rows) +
                         " contact sheet holds fewer than the " + std::to_string(frames) +
                         " frames of " + std::to_string(first) + ":" + std::to_string(last));
    if (static_cast<long>(sheet.columns) * width > kLargestSide ||
        static_cast<long>(sheet.rows) * height > kLargestSide)
        throw UsageError("the contact sheet would be larger than " + std::to_string(kLargestSide) +
                         " pixels a side; use a smaller --size");
}

} // namespace quillomar_tools
