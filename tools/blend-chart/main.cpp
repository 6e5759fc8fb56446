// quillomar-blend-chart: renders one swatch per blend mode of the composite shader, each a layer
// gradient over a base gradient with the mode's name below, loading the shader library the way
// the renderer does and evaluating composite per pixel.
#include "chart.h"
#include "label.h"

#include <image_io.h>
#include <rayhost/network.h>
#include <rayhost/render.h>
#include <rayhost/shader_library.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

namespace {

struct Options {
    std::string library;
    std::string declarations;
    std::string output;
};

void usage() {
    std::fputs("usage: quillomar-blend-chart --library quillomarShaders.so "
               "--declarations quillomarShaders.mi -o chart.png\n",
               stderr);
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        if (arg == "--library") {
            options.library = argv[++i];
        } else if (arg == "--declarations") {
            options.declarations = argv[++i];
        } else if (arg == "-o") {
            options.output = argv[++i];
        } else {
            return false;
        }
    }
    return !options.library.empty() && !options.declarations.empty() && !options.output.empty();
}

std::uint8_t toByte(float value) {
    if (!(value > 0.0f)) { // negative, zero or not a number
        return 0;
    }
    return static_cast<std::uint8_t>(std::lround(std::min(value, 1.0f) * 255.0f));
}

void setPixel(quillomar::Image& image, int x, int y, const blendchart::Colour& c) {
    std::uint8_t* p = image.pixel(x, y);
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
    p[3] = 255;
}

// One swatch: composite with a single layer (opacity 1, white mask), its base and layer colours
// set per pixel in the parameter block.
void renderSwatch(rayhost::ShaderNetwork& network, rayhost::InstanceId composite, int mode,
                  const blendchart::Rect& rect, quillomar::Image& image) {
    network.set(composite, "layers[0].blendMode", {double(mode)});
    miOptions options{};
    rayhost::PrimarySample sample;
    for (int y = 0; y < rect.height; ++y) {
        const blendchart::Colour layer = blendchart::layerGradient((y + 0.5f) / rect.height);
        network.set(composite, "layers[0].color", {layer.r, layer.g, layer.b, 1.0});
        for (int x = 0; x < rect.width; ++x) {
            const blendchart::Colour base = blendchart::baseGradient((x + 0.5f) / rect.width);
            network.set(composite, "baseColor", {base.r, base.g, base.b, 1.0});
            rayhost::fillPrimarySample(sample, &options, x, y, rect.width, rect.height, 0);
            miColor out{};
            network.call(composite, &out, &sample.state);
            setPixel(image, rect.x + x, rect.y + y, {out.r, out.g, out.b});
        }
    }
}

// The two inputs on their own: the layer strip (top to bottom) left, the base (left to right)
// right.
void drawLegend(const blendchart::Rect& rect, quillomar::Image& image) {
    const int strip = rect.width / 3;
    for (int y = 0; y < rect.height; ++y) {
        const blendchart::Colour layer = blendchart::layerGradient((y + 0.5f) / rect.height);
        for (int x = 0; x < strip; ++x) {
            setPixel(image, rect.x + x, rect.y + y, layer);
        }
        for (int x = strip + 6; x < rect.width; ++x) {
            const float u = (x - strip - 6 + 0.5f) / (rect.width - strip - 6);
            setPixel(image, rect.x + x, rect.y + y, blendchart::baseGradient(u));
        }
    }
}

void drawLabelBelow(quillomar::Image& image, const blendchart::Rect& rect,
                    const std::string& text) {
    const float scale = 1.75f;
    const int x = rect.x + (rect.width - blendchart::labelWidth(text, scale)) / 2;
    blendchart::drawLabel(image, x, rect.y + rect.height + 7, text, scale, {235, 235, 235});
}

void fill(quillomar::Image& image, std::uint8_t grey) {
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        image.rgba[i] = image.rgba[i + 1] = image.rgba[i + 2] = grey;
        image.rgba[i + 3] = 255;
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        usage();
        return 2;
    }
    try {
        rayhost::ShaderLibrary library(options.library, options.declarations);
        rayhost::ShaderNetwork network;
        const rayhost::InstanceId composite = network.add("chart", library.kind("composite"));
        network.setArraySize(composite, "layers", 1);
        network.set(composite, "layers[0].opacity", {1.0});
        network.set(composite, "layers[0].mask", {1.0, 1.0, 1.0, 1.0});

        const blendchart::ChartLayout layout;
        quillomar::Image image(layout.imageWidth(), layout.imageHeight());
        fill(image, 34);
        for (int mode = 0; mode < blendchart::kModeCount; ++mode) {
            const blendchart::Rect rect = layout.swatch(mode);
            renderSwatch(network, composite, mode, rect, image);
            drawLabelBelow(image, rect, std::to_string(mode) + " " + blendchart::modeName(mode));
        }
        const blendchart::Rect legend = layout.swatch(blendchart::kModeCount);
        drawLegend(legend, image);
        drawLabelBelow(image, legend, "layer  |  base");
        std::string error;
        if (!quillomar::writePng(image, options.output, &error)) {
            std::fprintf(stderr, "quillomar-blend-chart: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillomar-blend-chart: %s\n", e.what());
        return 1;
    }
    return 0;
}
