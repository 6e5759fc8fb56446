// The reticle's cached copies of its settings, refreshed from its plugs only when they are out
// of date or an array gained or lost elements. Failed reads leave the starting values.
#include "reticle.h"

#include <maya/MPlug.h>

#include <algorithm>
#include <cmath>

namespace {

const unsigned int kMaxTexts = 10;

template <class T> T read(const MPlug& plug, T value) {
    plug.getValue(value);
    return value;
}

// Ascending ratio; a ratio that is not a number goes last, so the order stays strict.
bool byRatio(const AspectRatioEntry& a, const AspectRatioEntry& b) {
    if (std::isnan(b.ratio))
        return !std::isnan(a.ratio);
    return a.ratio < b.ratio;
}

bool readBool(const MPlug& plug) {
    return read(plug, false);
}
int readInt(const MPlug& plug) {
    return read(plug, 0);
}
float readFloat(const MPlug& plug) {
    return read(plug, 0.0f);
}
double readDouble(const MPlug& plug) {
    return read(plug, 0.0);
}

// Red, green and blue from a colour plug's three children, keeping the alpha slot.
void readRgb(const MPlug& plug, MColor& color) {
    plug.child(0).getValue(color.r);
    plug.child(1).getValue(color.g);
    plug.child(2).getValue(color.b);
}

} // namespace

MStatus Reticle::refreshSettings() {
    // A failed read keeps the previous value.
    MPlug(thisNode, aDrawingEnabled).getValue(settings.drawingEnabled);
    if (!settings.drawingEnabled)
        return MS::kSuccess;
    MPlug(thisNode, aEnableTextDrawing).getValue(settings.enableTextDrawing);
    MPlug(thisNode, aDisplayLineH).getValue(settings.displayLineH);
    MPlug(thisNode, aDisplayLineV).getValue(settings.displayLineV);
    MPlug(thisNode, aDisplayThirdsH).getValue(settings.displayThirdsH);
    MPlug(thisNode, aDisplayThirdsV).getValue(settings.displayThirdsV);
    MPlug(thisNode, aDisplayCrosshair).getValue(settings.displayCrosshair);
    readRgb(MPlug(thisNode, aLineColor), settings.lineColor);
    MPlug(thisNode, aLineTrans).getValue(settings.lineColor.a);
    return MS::kSuccess;
}

bool Reticle::textCountChanged() const {
    return textEntries.size() != MPlug(thisNode, aText).numElements();
}

bool Reticle::textElementsChanged() const {
    return textElementCount != MPlug(thisNode, aText).numElements();
}

bool Reticle::aspectCountChanged() const {
    return aspectEntries.size() != MPlug(thisNode, aAspectRatios).numElements();
}

MStatus Reticle::rebuildTextEntries() {
    textEntries.clear();
    const MPlug texts(thisNode, aText);
    const unsigned int count = texts.numElements();
    textElementCount = count;
    // Physical order is ascending logical index: the fields with the lowest indices are kept.
    for (unsigned int i = 0; i < count && i < kMaxTexts; ++i) {
        const MPlug element = texts.elementByPhysicalIndex(i);
        TextEntry entry;
        entry.type = readInt(element.child(0));
        element.child(1).getValue(entry.str);
        entry.size = readInt(element.child(2));
        entry.align = readInt(element.child(3));
        const MPlug position = element.child(4);
        entry.posX = readDouble(position.child(0));
        entry.posY = readDouble(position.child(1));
        entry.posRel = readInt(element.child(5));
        entry.level = readInt(element.child(6));
        entry.arLevel = readInt(element.child(7));
        readRgb(element.child(8), entry.color);
        entry.color.a = readFloat(element.child(9));
        textEntries.push_back(entry);
    }
    return MS::kSuccess;
}

MStatus Reticle::rebuildAspectEntries() {
    const MPlug ratios(thisNode, aAspectRatios);
    const unsigned int count = ratios.numElements();
    aspectEntries.clear();
    for (unsigned int i = 0; i < count; ++i) {
        const MPlug element = ratios.elementByPhysicalIndex(i);
        AspectRatioEntry entry;
        entry.ratio = readDouble(element.child(0));
        entry.displayMode = readInt(element.child(1));
        if (entry.displayMode != kAspectNone) {
            ReticleFrame& frame = entry.frame;
            readRgb(element.child(2), frame.maskColor);
            frame.maskColor.a = readFloat(element.child(3));
            readRgb(element.child(4), frame.lineColor);
            frame.lineColor.a = readFloat(element.child(5));
            entry.safeAction = readBool(element.child(6));
            entry.safeTitle = readBool(element.child(7));
        }
        aspectEntries.push_back(entry);
    }
    aspectRatioCount = static_cast<int>(aspectEntries.size());
    // Text references and drawing go by position in this order, not by logical index.
    std::sort(aspectEntries.begin(), aspectEntries.end(), byRatio);
    return MS::kSuccess;
}

MStatus Reticle::readFilmbackSettings() {
    MPlug(thisNode, aHorizontalFilmAperture).getValue(filmback.horizontalAperture);
    MPlug(thisNode, aVerticalFilmAperture).getValue(filmback.verticalAperture);
    filmbackSettings = filmback;
    dirty = false;
    return MS::kSuccess;
}
