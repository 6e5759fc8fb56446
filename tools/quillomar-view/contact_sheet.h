#pragma once
// The frames of a range tiled into one picture, in reading order.
#include <image_io.h>

namespace quillomar_view {

class ContactSheet {
public:
    // columns x rows tiles of tileWidth x tileHeight pixels, opaque black until placed.
    ContactSheet(int columns, int rows, int tileWidth, int tileHeight);

    // Copies a tile-sized image into place `index`: 0 is the top-left tile, then along the row.
    // Returns false for an index outside the sheet or an image of another size.
    bool place(int index, const quillomar::Image& tile);
    const quillomar::Image& image() const { return sheet_; }

private:
    int columns_, rows_;
    quillomar::Image sheet_;
};

} // namespace quillomar_view
