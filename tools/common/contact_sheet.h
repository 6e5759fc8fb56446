#pragma once
// The frames of a range tiled into one picture, in reading order, and the option that asks for it.
#include <image_io.h>

#include <string>

namespace quillomar_tools {

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

// --contact-sheet COLSxROWS: how many tiles across and down; 0 x 0 when not asked for.
struct SheetLayout {
    int columns = 0;
    int rows = 0;
    bool wanted() const { return columns > 0; }
};

// "COLSxROWS" with both from 1 to 100. Throws UsageError.
SheetLayout parseSheet(const std::string& text);

// Refuses a sheet without a frame range, one with fewer tiles than frames, and one larger than
// kLargestSide a side with tiles of width x height. Throws UsageError.
void checkSheet(const SheetLayout& sheet, bool hasFrames, int first, int last, int width,
                int height);

} // namespace quillomar_tools
