// The reticle's text overlay: each cached text entry made into words from the scene, anchored on
// its reference frame and drawn as bitmap text under the host's matrices.
#include "deprecatedCalls.h"
#include "platform.h"
#include "reticle.h"
#include "reticleTextFormat.h"

#include <maya/MAnimControl.h>
#include <maya/MFileIO.h>
#include <maya/MFileObject.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MPoint.h>
#include <maya/MTime.h>

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

#include <cstdlib>
#include <string>

namespace {

void* fontOf(int size) {
    switch (size) {
    case 0:
        return GLUT_BITMAP_HELVETICA_10;
    case 1:
        return GLUT_BITMAP_HELVETICA_12;
    case 2:
        return GLUT_BITMAP_HELVETICA_18;
    default:
        return nullptr;
    }
}

// Split the way Maya's file object splits a full name.
MString currentFilePart(bool directory) {
    MFileObject file;
    QUILLOMAR_DEPRECATED_CALL_BEGIN
    file.setFullName(MFileIO::currentFile());
    const MString part = directory ? file.path() : file.name();
    QUILLOMAR_DEPRECATED_CALL_END
    return part;
}

// An unset variable counts as failed formatting, like an empty one.
bool userName(std::string& name) {
    char* value = nullptr;
    if (platform::dupenv(&value, nullptr, "USER") != 0 || value == nullptr)
        return false;
    name = value;
    std::free(value);
    return true;
}

std::string localDate(const MString& format) {
    std::tm now{};
    const std::int64_t seconds = platform::time64(nullptr);
    if (platform::localtime64(&now, &seconds) != 0)
        return "Error";
    return formatDate(format.length() > 0 ? format.asChar() : defaultTextFormat(kTextDate), now);
}

// Keeps the host's projection and modelview current with one saved copy left on each stack, so
// the draw's restore pops exactly one entry of each.
void useHostMatrices() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPushMatrix();
}

} // namespace

void Reticle::drawTextOverlay(M3dView& view) {
    for (const ReticleText& item : textItems(overlayFrames(true)))
        drawText(item.text, item.anchor, fontOf(item.size), fontHeight(item.size), item.color,
                 item.align, view);
}

Reticle::SceneFrames Reticle::overlayFrames(bool readTime) {
    SceneFrames frames{0.0, MAnimControl::minTime().value(), MAnimControl::maxTime().value()};
    const MPlug timePlug(thisNode, aTime);
    if (!timePlug.isNull() && !timePlug.isConnected())
        MGlobal::executeCommand("connectAttr time1.o " + timePlug.name(), false, false);
    if (readTime) {
        MTime now;
        timePlug.getValue(now);
        currentFrame = now.value();
        timeChanged = false;
    }
    frames.current = currentFrame;
    return frames;
}

std::vector<ReticleText> Reticle::textItems(const SceneFrames& frames) const {
    std::vector<ReticleText> items;
    for (const TextEntry& entry : textEntries) {
        ReticleText item;
        if (!textOf(entry, frames, item.text))
            continue;
        const ReticleFrame* reference = referenceFrameOf(entry);
        if (!reference ||
            !anchorText(*reference, entry.level, entry.posRel, entry.posX, entry.posY, item.anchor))
            continue;
        if (fontHeight(entry.size) == 0) // no font of that size
            continue;
        item.size = entry.size;
        item.align = entry.align;
        item.color = entry.color;
        items.push_back(item);
    }
    return items;
}

bool Reticle::textOf(const TextEntry& entry, const SceneFrames& frames, MString& text) const {
    if (entry.type == kTextString) {
        text = entry.str;
        return true;
    }
    if (entry.type == kTextDate) {
        text = localDate(entry.str).c_str();
        return true;
    }
    const char* fallback = defaultTextFormat(entry.type);
    if (!fallback)
        return false;
    const std::string format = entry.str.length() > 0 ? entry.str.asChar() : fallback;

    FormatValue values[3];
    FormatValueKind kinds[3];
    const std::size_t count = textValueKinds(entry.type, kinds);
    for (std::size_t i = 0; i < count; ++i)
        values[i].kind = kinds[i];
    MString words; // keeps a text value alive while it is formatted
    std::string user;
    switch (entry.type) {
    case kTextLens:
        values[0].number = camera.focalLength();
        break;
    case kTextCamera:
        words = MFnDependencyNode(camera.parent(0)).name();
        break;
    case kTextFrame:
        values[0].number = frames.current;
        break;
    case kTextFrameAndRange:
        values[0].number = frames.current;
        values[1].number = frames.start;
        values[2].number = frames.end;
        break;
    case kTextFrameStart:
        values[0].number = frames.start;
        break;
    case kTextFrameEnd:
        values[0].number = frames.end;
        break;
    case kTextFrameRange:
        values[0].number = frames.start;
        values[1].number = frames.end;
        break;
    case kTextUser:
        if (!userName(user)) {
            text = "Error";
            return true;
        }
        words = user.c_str();
        break;
    case kTextCurrentFile:
        words = MFileIO::currentFile();
        break;
    case kTextFilePath:
        words = currentFilePart(true);
        break;
    case kTextFileName:
        words = currentFilePart(false);
        break;
    }
    if (count > 0 && kinds[0] == kFormatText)
        values[0].text = words.asChar();
    text = formatTextValues(format, values, count).c_str();
    return true;
}

const ReticleFrame* Reticle::referenceFrameOf(const TextEntry& entry) const {
    switch (entry.level) {
    case kLevelWindow:
        return &windowFrame;
    case kLevelFilmback:
        return &filmback.filmFrame;
    case kLevelAspectRatio: {
        if (entry.arLevel < 0 || entry.arLevel >= static_cast<int>(aspectEntries.size()))
            return nullptr;
        const ReticleFrame& frame = aspectEntries[static_cast<std::size_t>(entry.arLevel)].frame;
        return frame.valid ? &frame : nullptr;
    }
    default:
        return nullptr;
    }
}

void Reticle::drawText(const MString& text, const TextAnchor& anchor, void* font, int height,
                       const MColor& color, int align, M3dView& view) const {
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    // Bytes above 127 go to GLUT as the negative characters they are, as in the sign's labels.
    const char* bytes = text.asChar();
    const unsigned int length = text.length();
    int width = 0;
    for (unsigned int i = 0; i < length; ++i)
        width += glutBitmapWidth(font, static_cast<signed char>(bytes[i]));
    const TextOrigin origin = alignText(anchor, width, align, height);

    // The far end of the ray through the pixel, in the locator's own space: under the host's
    // matrices it projects back onto that pixel.
    MPoint nearPoint, farPoint;
    view.viewToWorld(static_cast<short>(origin.x), static_cast<short>(origin.y), nearPoint,
                     farPoint);
    const MPoint local = (nearPoint + (farPoint - nearPoint)) * worldInverseMatrix;

    useHostMatrices();
    glColor4f(color.r, color.g, color.b, 1.0f - color.a);
    glPushMatrix();
    glTranslatef(static_cast<float>(local.x), static_cast<float>(local.y),
                 static_cast<float>(local.z));
    glRasterPos3f(0.0f, 0.0f, 0.0f);
    for (unsigned int i = 0; i < length; ++i)
        glutBitmapCharacter(font, static_cast<signed char>(bytes[i]));
    glPopMatrix();
    glFlush();
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
}
