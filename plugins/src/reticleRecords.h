#pragma once
// What a reticle keeps between draws: rectangles in viewport pixels (origin at the bottom-left
// corner, y upwards), its cached aspect-ratio and text entries, the film gate and the display
// switches. Colours carry a transparency (0 opaque, 1 invisible) in their alpha slot.
#include <maya/MColor.h>
#include <maya/MString.h>

struct ReticleFrame {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
    // A horizontal and a vertical measure: the port centre for the window, width and height for
    // the film gate and aspect frames, the inset margins for safe frames.
    double extentX = 0.0;
    double extentY = 0.0;
    MColor lineColor;
    MColor maskColor;
    // Computed for the current draw: may be drawn and used as a text reference.
    bool valid = false;
};

enum AspectDisplayMode { kAspectNone = 0, kAspectLines = 1, kAspectMask = 2 };

struct AspectRatioEntry {
    double ratio = 0.0;
    int displayMode = kAspectNone;
    bool safeAction = false;
    bool safeTitle = false;
    ReticleFrame frame;
    ReticleFrame safeActionFrame;
    ReticleFrame safeTitleFrame;
};

struct TextEntry {
    int type = 0;
    MString str;
    int size = 0;
    int align = 0;
    double posX = 0.0;
    double posY = 0.0;
    int posRel = 0;
    int level = 0;
    int arLevel = 0;
    MColor color;
};

struct FilmbackState {
    double horizontalAperture = 1.778;
    double verticalAperture = 1.0;
    ReticleFrame filmFrame;
    // Where the guide lines and aspect frames are placed; equal to filmFrame.
    ReticleFrame guideFrame;
};

struct DisplaySettings {
    bool drawingEnabled = true;
    bool enableTextDrawing = true;
    bool displayLineH = false;
    bool displayLineV = false;
    bool displayThirdsH = false;
    bool displayThirdsV = false;
    bool displayCrosshair = false;
    MColor lineColor;
};
