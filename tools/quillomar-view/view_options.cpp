#include "view_options.h"

namespace quillomar_view {

using quillomar_tools::needValue;

ViewOptions parseViewOptions(const std::vector<std::string>& args) {
    ViewOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "--plugin") {
            o.plugins.push_back(needValue(args, i));
        } else if (a == "--camera") {
            o.camera = needValue(args, i);
        } else if (a == "--size") {
            parseSize(needValue(args, i), o.width, o.height);
        } else if (a == "--frames") {
            parseFrames(needValue(args, i), o.firstFrame, o.lastFrame);
            o.hasFrames = true;
        } else if (a == "--contact-sheet") {
            o.sheet = quillomar_tools::parseSheet(needValue(args, i));
        } else if (a == "-o" || a == "--output") {
            o.output = needValue(args, i);
        } else if (a == "--style") {
            const std::string style = needValue(args, i);
            if (style != "shaded" && style != "wireframe")
                throw UsageError("bad style \"" + style + "\": expected shaded or wireframe");
            o.shaded = style == "shaded";
        } else if (a == "--stats") {
            o.stats = true;
        } else if (a == "--verbose") {
            o.verbose = true;
        } else if (a == "--viewport") {
            const std::string mode = needValue(args, i);
            if (mode != "legacy" && mode != "vp2")
                throw UsageError("bad viewport \"" + mode + "\": expected legacy or vp2");
            o.legacyViewport = mode == "legacy";
        } else {
            quillomar_tools::takeScene(a, o.scene);
        }
    }
    quillomar_tools::requireSceneAndOutput(o.scene, o.output);
    quillomar_tools::checkSheet(o.sheet, o.hasFrames, o.firstFrame, o.lastFrame, o.width, o.height);
    // A contact sheet is one picture, whatever the range.
    quillomar_tools::checkOutputName(o.output, o.hasFrames,
                                     !o.sheet.wanted() && o.hasFrames &&
                                         o.lastFrame > o.firstFrame);
    return o;
}

const char* usageText() {
    return R"(usage: quillomar-view SCENE.ma [--plugin LIB]... [--camera NAME] [--size WxH]
                      [--frames A:B [--contact-sheet CxR]] [--style shaded|wireframe]
                      [--stats] [--verbose] [--viewport legacy|vp2] -o OUT.png

Loads each plug-in library the way Maya does (MApiVersion, initializePlugin), opens the Maya
ASCII scene and draws a camera's viewport as Maya's viewport does (the ground grid, the meshes,
then every locator) into a PNG. Needs an X display: on a machine without one, put
"xvfb-run -a" in front.

Options:
  --plugin LIB          a plug-in library to load before the scene; repeat for several.
                                       e.g. --plugin build/default/lib/quillomarPlugins.so
  --camera NAME         the camera's transform or shape (default: persp, else the first
                        perspective camera).                e.g. --camera shotCam
  --size WxH            image size in pixels, each side 1 to 16384 (default 640x480).
                                                            e.g. --size 1920x1080
  --frames A:B          draw frames A to B in order (or one frame A), one picture each, with a
                        progress line per frame (a bar on a terminal); "%04d" (or %d, %4d) in
                        the output name stands for the frame number.
                                                            e.g. --frames 1:24 -o shot.%04d.png
  --contact-sheet CxR   with --frames: one picture instead of one per frame, the frames tiled C
                        across and R down in reading order (first frame top-left), each tile
                        --size large, unused tiles black.
                        e.g. --frames 1:12 --contact-sheet 4x3 --size 320x240 -o sheet.png
  --style S             meshes shaded (default) or wireframe.  e.g. --style wireframe
  --stats               per frame, what a heads-up display shows: meshes drawn (with their
                        vertices and faces) and not drawn (with why), locators drawn, and the
                        scene's load messages counted by kind.  e.g. --stats
  --verbose             list every line the scene's loading reports (default: one line per
                        kind of message, with its count).   e.g. --verbose
  --viewport V          how locators draw: vp2 (default, Maya 2019's Viewport 2.0) through
                        their draw overrides, a locator without one only when
                        MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW is set; legacy (the legacy
                        viewport) through their draw().   e.g. --viewport legacy
  -o, --output OUT.png  the picture to write.               e.g. -o signs.png
  -h, --help            this text

Examples:
  quillomar-view examples/signs.ma --plugin build/default/lib/quillomarPlugins.so \
      --size 1024x768 -o signs.png
  quillomar-view examples/obake.ma --plugin build/default/lib/quillomarPlugins.so \
      --frames 1:12 --contact-sheet 4x3 --size 400x300 -o trail.png

A scene line that cannot be read is reported as FILE:LINE: message and skipped, as Maya does.
Exit codes: 0 written; 1 bad input (a scene, plug-in or camera that cannot be used, a picture
that cannot be written); 2 a wrong command line.
)";
}

} // namespace quillomar_view
