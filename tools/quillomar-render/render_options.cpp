#include "render_options.h"

#include <algorithm>
#include <thread>

namespace quillomar_render {
namespace {

using quillomar_tools::UsageError;

constexpr int kMostThreads = 256;

} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "-o" || a == "--output") {
            o.output = quillomar_tools::needValue(args, i);
        } else if (a == "--size") {
            quillomar_tools::parseSize(quillomar_tools::needValue(args, i), o.width, o.height);
        } else if (a == "--threads") {
            const std::string count = quillomar_tools::needValue(args, i);
            if (!quillomar_tools::parseInt(count, 1, kMostThreads, o.threads))
                throw UsageError("bad thread count \"" + count + "\": expected 1 to " +
                                 std::to_string(kMostThreads));
        } else if (a == "--frames") {
            quillomar_tools::parseFrames(quillomar_tools::needValue(args, i), o.firstFrame,
                                         o.lastFrame);
            o.hasFrames = true;
        } else if (a == "--contact-sheet") {
            o.sheet = quillomar_tools::parseSheet(quillomar_tools::needValue(args, i));
        } else if (a == "--library") {
            o.library = quillomar_tools::needValue(args, i);
        } else if (a == "--declarations") {
            o.declarations = quillomar_tools::needValue(args, i);
        } else {
            quillomar_tools::takeScene(a, o.scene);
        }
    }
    quillomar_tools::requireSceneAndOutput(o.scene, o.output);
    quillomar_tools::checkSheet(o.sheet, o.hasFrames, o.firstFrame, o.lastFrame, o.width, o.height);
    // A contact sheet is one picture, whatever the range.
    quillomar_tools::checkOutputName(o.output, o.hasFrames,
                                     !o.sheet.wanted() && o.lastFrame > o.firstFrame);
    return o;
}

int threadsToUse(const RenderOptions& options) {
    if (options.threads > 0)
        return options.threads;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
}

const char* usageText() {
    return R"(usage: quillomar-render SCENE -o OUT.png [--size WxH] [--threads N]
                        [--frames A:B [--contact-sheet CxR]] [--library PATH]
                        [--declarations PATH]

Renders SCENE into a PNG through the stand-in renderer, loading the shader library the way the
renderer does (miSetModuleHandle, then each shader's _version): either a shader network's colour
output previewed over the image, or objects ray cast through a pinhole camera and shaded by their
materials, with contour lines when the scene names contour functions.

Options:
  -o, --output OUT.png  the image to write; with --frames, "%04d" (or %d, %4d) in the name
                        stands for the frame number.       e.g. -o out/contours.png
  --size WxH            image size in pixels, each side 1 to 16384 (default 256x256).
                                                           e.g. --size 960x540
  --threads N           render threads, 1 to 256 (default: one per core, at most 16). The
                        picture is the same for any count.  e.g. --threads 2
  --frames A:B          render frames A to B (or one frame A), one picture each, with a progress
                        line per frame (a bar on a terminal). In the scene, the word $frame
                        stands for the frame number (1 without --frames).
                                                           e.g. --frames 0:2 -o choice-%d.png
  --contact-sheet CxR   with --frames: one picture instead of one per frame, the frames tiled C
                        across and R down in reading order (first frame top-left), each tile
                        --size large, unused tiles black.
                        e.g. --frames 0:2 --contact-sheet 3x1 --size 128x128 -o choices.png
  --library PATH        the shader library to load (default: the built quillomarShaders).
                                                           e.g. --library lib/quillomarShaders.so
  --declarations PATH   the shader declarations that lay out parameter blocks (default: the
                        shipped dist/quillomarShaders.mi). e.g. --declarations my.mi
  -h, --help            this text

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

Examples:
  quillomar-render examples/contours.scene --size 960x540 -o contours.png
  quillomar-render examples/choice.scene --frames 0:2 --size 256x256 -o choice-%d.png
  quillomar-render examples/choice.scene --frames 0:2 --contact-sheet 3x1 -o choices.png

Exit codes: 0 written; 1 bad input (a file that cannot be read, loaded or written; an error
in a scene or declaration file names the file and line); 2 a wrong command line.
)";
}

} // namespace quillomar_render
