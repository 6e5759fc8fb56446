// quillomar-render: renders a shader preview or a ray-cast scene with the stand-in renderer,
// loading the shader library as the renderer does.
#include "scene_file.h"

#include <rayhost/scene_render.h>

#include <image_io.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace {

const char* const kUsage = R"(usage: quillomar-render SCENE -o OUT.png [--size WxH] [--threads N]
                        [--library PATH] [--declarations PATH]

Renders a scene into a PNG, loading the shader library as the renderer does
(miSetModuleHandle, then each shader's _version): either the colour output of a shader
network previewed over the image, or objects ray cast through a pinhole camera, shaded by
their materials, with contour lines when the scene names contour functions.

  -o OUT.png           image to write
  --size WxH           image size in pixels (default 256x256)
  --threads N          render threads (default: the machine's, at most 16)
  --library PATH       shader library (default: the built quillomarShaders)
  --declarations PATH  shader declarations (default: the shipped quillomarShaders.mi)

Scene file, one statement per line, '#' starts a comment. Shader instances:
  shader NAME SHADER                 an instance of a library shader, or of a renderer pattern
                                     (uvRamp: start, end, axis; uvChecker: color1, color2,
                                     repeats), which vary over the texture coordinates
  array NAME.PATH COUNT              gives an array COUNT elements
  set NAME.PATH VALUE...             1 value; 3 for a vector; 3 or 4 for a color
  connect NAME.PATH SOURCE[.FIELD]   attaches a field to another instance's output
Paths: "baseColor", "colors[1]", "layers[0].mask". A shader preview then has:
  render SOURCE[.FIELD]              the color output to render over the image
A ray-cast scene instead has objects placed by instances (names refer to earlier lines):
  camera position|aim|up X Y Z       pinhole camera (default at 0 0 10, aiming at 0 0 0)
  camera fov DEGREES                 horizontal field of view (default 40)
  object NAME sphere RADIUS          around the object's origin
  object NAME plane                  the plane y = 0 facing +y (texture coordinates x, z)
  object NAME mesh [smooth]          triangles; smooth interpolates vertex normals
  vertex MESH X Y Z                  the mesh's next vertex (numbered from 0)
  triangle MESH A B C                counter-clockwise seen from the front
  material NAME SHADER [CONTOUR]     a material shader instance (returning a color) and the
                                     contour shader called where this material is in front
  instance NAME OBJECT MATERIAL      places an object; primitive index = triangle number
  label INSTANCE N                   the instance's label (default 0)
  scale INSTANCE S                   applied first, then
  rotate INSTANCE X Y Z              degrees about x, then y, then z, then
  translate INSTANCE X Y Z
  contour store NAME                 the contour store function, run for every sample right
                                     after its material shader
  contour contrast NAME              the contrast function between neighbouring samples
  option contrast R G B              the options' colour contrast thresholds (default 0.1)
  option samples N                   2^N x 2^N samples per pixel, N 0..3 (default 0)
  option depth N                     surfaces a ray may pass through, 0..16 (default 6)
  background R G B [A]               what rays that hit nothing see (default 0 0 0 0)
Contour widths are percentages of the smaller image side: 1.0 at 700x500 is 5 pixels.
)";

struct Arguments {
    std::string scene;
    std::string output;
    int width = 256;
    int height = 256;
    int threads = 0;
    std::string library = QUILLOMAR_DEFAULT_LIBRARY;
    std::string declarations = QUILLOMAR_DEFAULT_DECLARATIONS;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int positive(const std::string& text, const char* what) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < 1) {
        throw UsageError(std::string("bad ") + what + " \"" + text + "\"");
    }
    return value;
}

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw UsageError(word + " needs a value");
            }
            return argv[++i];
        };
        if (word == "-o") {
            arguments.output = value();
        } else if (word == "--size") {
            const std::string size = value();
            const std::size_t x = size.find('x');
            if (x == std::string::npos) {
                throw UsageError("bad size \"" + size + "\", expected WxH");
            }
            arguments.width = positive(size.substr(0, x), "width");
            arguments.height = positive(size.substr(x + 1), "height");
        } else if (word == "--threads") {
            arguments.threads = positive(value(), "thread count");
        } else if (word == "--library") {
            arguments.library = value();
        } else if (word == "--declarations") {
            arguments.declarations = value();
        } else if (!word.empty() && word[0] == '-') {
            throw UsageError("unknown option " + word);
        } else if (arguments.scene.empty()) {
            arguments.scene = word;
        } else {
            throw UsageError("more than one scene given");
        }
    }
    if (arguments.scene.empty() || arguments.output.empty()) {
        throw UsageError("a scene and -o OUT.png are required");
    }
    if (arguments.threads == 0) {
        arguments.threads =
            static_cast<int>(std::min(16u, std::max(1u, std::thread::hardware_concurrency())));
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    Arguments arguments;
    try {
        arguments = parse(argc, argv);
    } catch (const UsageError& error) {
        std::cerr << "quillomar-render: " << error.what() << "\n" << kUsage;
        return 2;
    }
    try {
        std::ifstream scene(arguments.scene);
        if (!scene) {
            throw std::runtime_error("cannot read scene " + arguments.scene);
        }
        rayhost::ShaderLibrary library(arguments.library, arguments.declarations);
        rayhost::PatternShaders patterns;
        rayhost::ShaderNetwork network;
        const quillomar::LoadedScene loaded =
            quillomar::loadScene(scene, arguments.scene, library, patterns, network);
        rayhost::RenderSettings settings = loaded.options;
        settings.width = arguments.width;
        settings.height = arguments.height;
        settings.threads = arguments.threads;
        const quillomar::Image image = loaded.output
                                           ? rayhost::render(network, *loaded.output, settings)
                                           : rayhost::render(network, loaded.scene, settings);
        std::string error;
        if (!quillomar::writePng(image, arguments.output, &error)) {
            throw std::runtime_error(error);
        }
    } catch (const std::exception& error) {
        std::cerr << "quillomar-render: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
