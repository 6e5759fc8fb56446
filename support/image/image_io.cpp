#include "image_io.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include "replace_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillomar {

void flipRows(Image& image) {
    const std::size_t row = std::size_t(image.width) * 4;
    for (int y = 0; y < image.height / 2; ++y) {
        std::uint8_t* a = image.pixel(0, y);
        std::uint8_t* b = image.pixel(0, image.height - 1 - y);
        std::swap_ranges(a, a + row, b);
    }
}

bool writePng(const Image& image, const std::string& path, std::string* error) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4) {
        if (error)
            *error = "image has no pixels or a size that does not match its data";
        return false;
    }
    std::vector<char> png;
    const auto append = [](void* context, void* data, int size) {
        auto* bytes = static_cast<std::vector<char>*>(context);
        bytes->insert(bytes->end(), static_cast<char*>(data), static_cast<char*>(data) + size);
    };
    if (!stbi_write_png_to_func(append, &png, image.width, image.height, 4, image.rgba.data(),
                                image.width * 4)) {
        if (error)
            *error = "cannot write " + path + ": the image could not be encoded";
        return false;
    }
    std::string reason;
    if (!replaceFile(path, png.data(), png.size(), &reason)) {
        if (error)
            *error = "cannot write " + path + ": " + reason;
        return false;
    }
    return true;
}

bool readPng(const std::string& path, Image& image, std::string* error) {
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 4);
    if (!data) {
        if (error)
            *error = "cannot read " + path + ": " + stbi_failure_reason();
        return false;
    }
    image = Image(w, h);
    std::memcpy(image.rgba.data(), data, image.rgba.size());
    stbi_image_free(data);
    return true;
}

} // namespace quillomar
