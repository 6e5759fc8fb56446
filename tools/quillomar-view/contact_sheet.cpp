#include "contact_sheet.h"

#include <algorithm>
#include <cstddef>

namespace quillomar_view {

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

} // namespace quillomar_view
