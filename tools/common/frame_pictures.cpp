#include "frame_pictures.h"

#include "command_line.h"

#include <stdexcept>

namespace quillomar_tools {

void writePicture(const quillomar::Image& picture, const std::string& path) {
    std::string error;
    if (!quillomar::writePng(picture, path, &error))
        throw std::runtime_error(error);
}

FramePictures::FramePictures(std::ostream& out, const std::string& output, int first, int last,
                             const SheetLayout& sheet, int tileWidth, int tileHeight, bool terminal)
    : out_(out), output_(output), first_(first), sheetWanted_(sheet.wanted()),
      sheet_(sheetWanted_ ? sheet.columns : 1, sheetWanted_ ? sheet.rows : 1,
             sheetWanted_ ? tileWidth : 0, sheetWanted_ ? tileHeight : 0),
      progress_(out, last - first + 1, terminal) {}

void FramePictures::add(int frame, const quillomar::Image& picture, double seconds) {
    if (!sheetWanted_) {
        const std::string path = framePath(output_, frame);
        writePicture(picture, path);
        progress_.frameDone(frame, path, seconds);
        return;
    }
    sheet_.place(frame - first_, picture);
    progress_.frameDone(
        frame, "tile " + std::to_string(frame - first_ + 1) + " of " + framePath(output_, first_),
        seconds);
}

void FramePictures::finish() {
    if (!sheetWanted_)
        return;
    const std::string path = framePath(output_, first_);
    writePicture(sheet_.image(), path);
    out_ << "wrote " << path << "\n";
}

} // namespace quillomar_tools
