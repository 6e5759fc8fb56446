#pragma once
// Where the pictures of a frame range go: one file per frame, or tiles of one contact sheet
// written at the end; a progress report per frame either way.
#include "contact_sheet.h"
#include "progress.h"

#include <image_io.h>

#include <ostream>
#include <string>

namespace quillomar_tools {

class FramePictures {
public:
    // `output` names the files ("%04d" stands for the frame) or the sheet; `tileWidth` x
    // `tileHeight` is the size of each frame's picture.
    FramePictures(std::ostream& out, const std::string& output, int first, int last,
                  const SheetLayout& sheet, int tileWidth, int tileHeight, bool terminal);

    // Frames come in order. Throws std::runtime_error when a picture cannot be written.
    void add(int frame, const quillomar::Image& picture, double seconds);
    // Writes the contact sheet, if there is one, and says so.
    void finish();

private:
    std::ostream& out_;
    std::string output_;
    int first_;
    bool sheetWanted_;
    ContactSheet sheet_;
    FrameProgress progress_;
};

// Writes a PNG; throws std::runtime_error naming the file when it cannot.
void writePicture(const quillomar::Image& picture, const std::string& path);

} // namespace quillomar_tools
