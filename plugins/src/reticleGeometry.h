#pragma once
// The reticle's frame geometry: plain functions over plain values, in viewport pixels.
#include "reticleRecords.h"

// What the viewing camera contributes to the film gate.
struct CameraFilm {
    double horizontalAperture = 0.0; // used when the reticle's own horizontal aperture is -1
    double verticalAperture = 0.0;
    int filmFit = 1; // 0 fill, 1 horizontal, 2 vertical, 3 overscan, 4 invalid
    double overscan = 1.0;
    double lensSqueezeRatio = 1.0;
};

// The whole port; its extents hold the port centre.
ReticleFrame windowFrameOf(double portWidth, double portHeight);

// True when the film gate is fitted to the port height. Fill fits the side that makes the gate
// cover the whole port, Overscan the side that keeps the whole gate inside it; every value other
// than Fill, Vertical and Overscan fits horizontally.
bool fitsVertically(int filmFit, double portAspect, double filmAspect);

// The film gate for this draw: `settings`'s apertures (or the camera's when the horizontal one
// is exactly -1) fitted to the window and centred on it; guideFrame is a copy of filmFrame.
FilmbackState computeFilmFrame(const FilmbackState& settings, const CameraFilm& camera,
                               const ReticleFrame& window);

// The frame of `ratio` spanning the guide frame's width, centred on the port centre, with its
// safe frames (90 % and 80 %) where the entry asks for them. The colours read from the scene are
// kept. An entry shown as "none" gets its edges but is left not valid, without safe frames.
void computeAspectFrames(AspectRatioEntry& entry, const ReticleFrame& guide,
                         const ReticleFrame& window);

// The central fraction k of `source` in each direction; the extents hold the margins.
ReticleFrame insetFrame(const ReticleFrame& source, double k);

// The frame the thirds divide: the first aspect frame, else the window.
const ReticleFrame& thirdsReference(const AspectRatioEntry* entries, int count,
                                    const ReticleFrame& window);
