// quillomar-blend-chart: renders one swatch per blend mode of the composite shader, each a layer
// gradient over a base gradient with the mode's name below, loading the shader library the way
// the renderer does and evaluating composite per pixel.
#include "chart.h"
#include "label.h"

#include <image_io.h>
#include <rayhost/network.h>
#include <rayhost/render.h>
#include <rayhost/shader_library.h>
#include <tool_main.h>
#include <frame_pictures.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct Options {
    bool help = false;
    std::string library = QUILLOMAR_DEFAULT_LIBRARY;
    std::string declarations = QUILLOMAR_DEFAULT_DECLARATIONS;
    std::string output;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "--library") {
            o.library = quillomar_tools::needValue(args, i);
        } else if (a == "--declarations") {
            o.declarations = quillomar_tools::needValue(args, i);
        } else if (a == "-o" || a == "--output") {
            o.output = quillomar_tools::needValue(args, i);
        } else {
            throw quillomar_tools::UsageError(a.rfind('-', 0) == 0 ? "unknown option " + a
                                                                   : "unexpected word " + a);
        }
    }
    if (o.output.empty())
        throw quillomar_tools::UsageError("no output file given (-o OUT.png)");
    return o;
}

const char* usageText() {
    return R"(usage: quillomar-blend-chart -o OUT.png [--library PATH] [--declarations PATH]

Draws one swatch per blend mode of the composite shader, labelled with the mode's stored number
and name: a layer running through the hues from top to bottom over a base running from dark blue
to cream, at full opacity. Loads the shader library the way the renderer does and evaluates
composite per pixel.

Options:
  -o, --output OUT.png  the picture to write.              e.g. -o blend-modes.png
  --library PATH        the shader library to load (default: the built quillomarShaders).
                                                           e.g. --library lib/quillomarShaders.so
  --declarations PATH   the shader declarations that lay out parameter blocks (default: the
                        shipped dist/quillomarShaders.mi). e.g. --declarations my.mi
  -h, --help            this text

Example:
  quillomar-blend-chart -o blend-modes.png

Exit codes: 0 written; 1 bad input (a library or declarations that cannot be loaded, a picture
that cannot be written); 2 a wrong command line.
)";
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

void run(const Options& options) {
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
    quillomar_tools::writePicture(image, options.output);
}

} // namespace

int main(int argc, char** argv) {
    return quillomar_tools::toolMain("quillomar-blend-chart", argc, argv, parse, usageText, run);
}
