#pragma once
// RGBA8 images and PNG files, shared by the stand-in hosts, the tools and the tests.
#include <cstdint>
#include <string>
#include <vector>

namespace quillomar {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // width * height * 4 bytes, first row at the top

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgba(std::size_t(w) * std::size_t(h) * 4, 0) {}
    std::uint8_t* pixel(int x, int y) { return &rgba[(std::size_t(y) * width + x) * 4]; }
    const std::uint8_t* pixel(int x, int y) const {
        return &rgba[(std::size_t(y) * width + x) * 4];
    }
};

// Turns an image whose first row is the bottom one (as OpenGL reads it back) upside down.
void flipRows(Image& image);

// Writes a PNG in place of whatever was at `path`; returns false and fills `error` with the path
// and the reason when it cannot be written completely, leaving what was there before.
bool writePng(const Image& image, const std::string& path, std::string* error = nullptr);

// Reads a PNG as RGBA8; returns false and fills `error` on failure.
bool readPng(const std::string& path, Image& image, std::string* error = nullptr);

} // namespace quillomar
