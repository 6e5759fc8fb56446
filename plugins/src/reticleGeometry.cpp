#include "reticleGeometry.h"

ReticleFrame windowFrameOf(double portWidth, double portHeight) {
    ReticleFrame frame;
    frame.left = 0.0;
    frame.right = portWidth;
    frame.bottom = 0.0;
    frame.top = portHeight;
    frame.extentX = portWidth / 2.0;
    frame.extentY = portHeight / 2.0;
    frame.valid = true;
    return frame;
}

bool fitsVertically(int filmFit, double portAspect, double filmAspect) {
    switch (filmFit) {
    case 0: // fill
        return !(portAspect > filmAspect);
    case 2: // vertical
        return true;
    case 3: // overscan
        return portAspect > filmAspect;
    default: // horizontal, invalid and anything unknown
        return false;
    }
}

FilmbackState computeFilmFrame(const FilmbackState& settings, const CameraFilm& camera,
                               const ReticleFrame& window) {
    FilmbackState film = settings;
    if (film.horizontalAperture == -1.0) {
        film.horizontalAperture = camera.horizontalAperture;
        film.verticalAperture = camera.verticalAperture;
    }
    const double filmAspect = film.horizontalAperture / film.verticalAperture;
    const double portWidth = window.right - window.left;
    const double portHeight = window.top - window.bottom;
    double width = 0.0, height = 0.0;
    if (fitsVertically(camera.filmFit, portWidth / portHeight, filmAspect)) {
        height = portHeight / camera.overscan;
        width = height * filmAspect;
    } else {
        width = portWidth / camera.overscan;
        height = width / filmAspect;
    }
    width *= camera.lensSqueezeRatio;

    ReticleFrame& gate = film.filmFrame;
    gate.left = window.extentX - width / 2.0;
    gate.right = window.extentX + width / 2.0;
    gate.bottom = window.extentY - height / 2.0;
    gate.top = window.extentY + height / 2.0;
    gate.extentX = width;
    gate.extentY = height;
    gate.valid = true;
    film.guideFrame = gate;
    return film;
}

ReticleFrame insetFrame(const ReticleFrame& source, double k) {
    ReticleFrame inset = source;
    const double mx = (1.0 - k) / 2.0 * source.extentX;
    const double my = (1.0 - k) / 2.0 * source.extentY;
    inset.left += mx;
    inset.right -= mx;
    inset.bottom += my;
    inset.top -= my;
    inset.extentX = mx;
    inset.extentY = my;
    inset.valid = true;
    return inset;
}

void computeAspectFrames(AspectRatioEntry& entry, const ReticleFrame& guide,
                         const ReticleFrame& window) {
    ReticleFrame& frame = entry.frame;
    frame.left = guide.left;
    frame.right = guide.right;
    frame.extentX = guide.extentX;
    frame.extentY = frame.extentX / entry.ratio;
    frame.bottom = window.extentY - frame.extentY / 2.0;
    frame.top = window.extentY + frame.extentY / 2.0;
    // A hidden entry still bounds the next entry's mask and the thirds, but is never drawn nor
    // used to place text.
    frame.valid = entry.displayMode != kAspectNone;
    entry.safeActionFrame.valid = false;
    entry.safeTitleFrame.valid = false;
    if (!frame.valid)
        return;
    if (entry.safeAction)
        entry.safeActionFrame = insetFrame(frame, 0.9);
    if (entry.safeTitle)
        entry.safeTitleFrame = insetFrame(frame, 0.8);
}

const ReticleFrame& thirdsReference(const AspectRatioEntry* entries, int count,
                                    const ReticleFrame& window) {
    return count > 0 ? entries[0].frame : window;
}
