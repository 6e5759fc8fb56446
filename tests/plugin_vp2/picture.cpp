#include "picture.h"

#include <gl_recorder.h>

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace vp2test {
namespace {

const double kHalfPixel = 0.5;

MColor colorOf(const hostkit::FeedbackVertex& v) {
    return MColor(v.r, v.g, v.b, v.a);
}

MPoint windowPoint(const hostkit::FeedbackVertex& v) {
    return MPoint(v.x, v.y, 0.0);
}

unsigned int heightOf(const void* font) {
    if (font == GLUT_BITMAP_HELVETICA_10)
        return 10;
    if (font == GLUT_BITMAP_HELVETICA_12)
        return 12;
    if (font == GLUT_BITMAP_HELVETICA_18)
        return 18;
    return 0;
}

void* fontOfHeight(unsigned int height) {
    return height == 10   ? GLUT_BITMAP_HELVETICA_10
           : height == 12 ? GLUT_BITMAP_HELVETICA_12
           : height == 18 ? GLUT_BITMAP_HELVETICA_18
                          : nullptr;
}

// Texts of the legacy draws: the characters between raster position calls, each starting where
// the bitmap of its first drawable character lies (GLUT draws nothing for codes outside 1..255).
std::vector<Text> legacyTexts(const std::vector<glrec::Call>& calls,
                              const std::vector<hostkit::FeedbackRecord>& bitmaps) {
    std::vector<Text> texts;
    std::size_t next = 0;
    bool placed = false;
    for (const glrec::Call& call : calls) {
        if (call.name == "glRasterPos3f") {
            texts.emplace_back();
            placed = false;
        }
        if (call.name != "glutBitmapCharacter" || texts.empty())
            continue;
        const int code = static_cast<int>(call.args.at(0));
        Text& text = texts.back();
        text.text += static_cast<char>(code);
        text.fontHeight = heightOf(call.font);
        if (code < 1 || code > 255)
            continue;
        if (next >= bitmaps.size()) {
            ADD_FAILURE() << "fewer bitmaps than characters";
            return texts;
        }
        if (!placed) {
            text.origin = windowPoint(bitmaps[next].vertices.at(0));
            text.color = colorOf(bitmaps[next].vertices.at(0));
            placed = true;
        }
        ++next;
    }
    EXPECT_EQ(next, bitmaps.size()) << "a bitmap without a character";
    return texts;
}

void addSegments(Picture& picture, const std::vector<MPoint>& points, const MColor& color,
                 hostkit::Drawable::Kind kind) {
    const std::size_t n = points.size();
    if (kind == hostkit::Drawable::kLines) {
        for (std::size_t i = 0; i + 1 < n; i += 2)
            picture.segments.push_back({points[i], points[i + 1], color});
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i)
        picture.segments.push_back({points[i], points[i + 1], color});
    if (kind == hostkit::Drawable::kClosedLine && n > 2)
        picture.segments.push_back({points[n - 1], points[0], color});
}

int textWidth(const std::string& text, unsigned int height) {
    void* font = fontOfHeight(height);
    int width = 0;
    for (char c : text)
        width += font ? glutBitmapWidth(font, static_cast<unsigned char>(c)) : 0;
    return width;
}

// Of a polygon in window coordinates.
double area(const std::vector<MPoint>& corners) {
    double twice = 0.0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const MPoint& a = corners[i];
        const MPoint& b = corners[(i + 1) % corners.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0;
}

bool near(const MPoint& a, const MPoint& b) {
    return std::fabs(a.x - b.x) <= kHalfPixel && std::fabs(a.y - b.y) <= kHalfPixel;
}

bool sameColor(const MColor& a, const MColor& b) {
    const float tolerance = 1e-3f;
    return std::fabs(a.r - b.r) <= tolerance && std::fabs(a.g - b.g) <= tolerance &&
           std::fabs(a.b - b.b) <= tolerance && std::fabs(a.a - b.a) <= tolerance;
}

bool sameSegment(const Segment& a, const Segment& b) {
    return sameColor(a.color, b.color) && ((near(a.from, b.from) && near(a.to, b.to)) ||
                                           (near(a.from, b.to) && near(a.to, b.from)));
}

std::string describe(const MPoint& p) {
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

// Each segment of `these` pairs with its own segment of `those`.
void expectSegmentsIn(const std::vector<Segment>& these, const std::vector<Segment>& those,
                      const char* what) {
    std::vector<bool> used(those.size(), false);
    for (const Segment& segment : these) {
        bool found = false;
        for (std::size_t k = 0; k < those.size() && !found; ++k) {
            found = !used[k] && sameSegment(segment, those[k]);
            if (found)
                used[k] = true;
        }
        EXPECT_TRUE(found) << what << " segment " << describe(segment.from) << " - "
                           << describe(segment.to) << " has no counterpart";
    }
}

void expectFillsIn(const std::vector<FillVertex>& these, const std::vector<FillVertex>& those,
                   const char* what) {
    for (const FillVertex& v : these) {
        bool found = false;
        for (const FillVertex& w : those)
            found = found || (near(v.at, w.at) && sameColor(v.color, w.color));
        EXPECT_TRUE(found) << what << " fill vertex " << describe(v.at) << " has no counterpart";
    }
}

} // namespace

Picture legacyPicture(hostkit::Viewport& viewport) {
    viewport.setMode(hostkit::ViewportMode::kLegacy);
    glrec::Recorder recorder;
    const std::vector<hostkit::FeedbackRecord> feedback = viewport.capture();
    recorder.stop();
    Picture picture;
    std::vector<hostkit::FeedbackRecord> bitmaps;
    for (const hostkit::FeedbackRecord& record : feedback) {
        if (record.kind == hostkit::FeedbackRecord::kLine)
            picture.segments.push_back({windowPoint(record.vertices.at(0)),
                                        windowPoint(record.vertices.at(1)),
                                        colorOf(record.vertices.at(0))});
        if (record.kind == hostkit::FeedbackRecord::kPolygon) {
            std::vector<MPoint> corners;
            for (const hostkit::FeedbackVertex& v : record.vertices) {
                picture.fills.push_back({windowPoint(v), colorOf(v)});
                corners.push_back(windowPoint(v));
            }
            picture.fillArea += area(corners);
        }
        if (record.kind == hostkit::FeedbackRecord::kBitmap)
            bitmaps.push_back(record);
    }
    picture.texts = legacyTexts(recorder.calls(), bitmaps);
    return picture;
}

Picture viewport2Picture(hostkit::Viewport& viewport) {
    viewport.setMode(hostkit::ViewportMode::kViewport2);
    viewport.updateOverrides();
    Picture picture;
    for (const hostkit::OverrideDraw& draw : viewport.overrideDraws()) {
        for (const hostkit::Drawable& drawable : draw.drawables) {
            std::vector<MPoint> points;
            for (const MPoint& p : drawable.positions)
                points.push_back(viewport.toWindow(draw, drawable, p));
            switch (drawable.kind) {
            case hostkit::Drawable::kTriangles:
                for (const MPoint& p : points)
                    picture.fills.push_back({p, drawable.color});
                for (std::size_t i = 0; i + 2 < points.size(); i += 3)
                    picture.fillArea += area({points[i], points[i + 1], points[i + 2]});
                break;
            case hostkit::Drawable::kText: {
                const int width = textWidth(drawable.text, drawable.fontSize);
                const int shift = drawable.alignment == MHWRender::MUIDrawManager::kCenter
                                      ? width / 2
                                  : drawable.alignment == MHWRender::MUIDrawManager::kRight ? width
                                                                                            : 0;
                const MPoint origin(points.at(0).x - shift, points.at(0).y, 0.0);
                picture.texts.push_back({drawable.text, origin, drawable.color, drawable.fontSize});
                break;
            }
            default:
                addSegments(picture, points, drawable.color, drawable.kind);
            }
        }
    }
    return picture;
}

int differingPixels(hostkit::Viewport& viewport, int tolerance) {
    quillomar::Image images[2];
    const hostkit::ViewportMode modes[] = {hostkit::ViewportMode::kLegacy,
                                           hostkit::ViewportMode::kViewport2};
    for (int i = 0; i < 2; ++i) {
        viewport.setMode(modes[i]);
        viewport.draw();
        images[i] = viewport.image();
    }
    int differing = 0;
    for (int y = 0; y < images[0].height; ++y) {
        for (int x = 0; x < images[0].width; ++x) {
            bool differs = false;
            for (int k = 0; k < 4; ++k)
                differs = differs ||
                          std::abs(images[0].pixel(x, y)[k] - images[1].pixel(x, y)[k]) > tolerance;
            differing += differs;
        }
    }
    return differing;
}

void expectSamePicture(const Picture& legacy, const Picture& viewport2) {
    EXPECT_EQ(legacy.segments.size(), viewport2.segments.size());
    expectSegmentsIn(legacy.segments, viewport2.segments, "legacy");
    expectSegmentsIn(viewport2.segments, legacy.segments, "Viewport 2.0");
    expectFillsIn(legacy.fills, viewport2.fills, "legacy");
    expectFillsIn(viewport2.fills, legacy.fills, "Viewport 2.0");
    EXPECT_NEAR(legacy.fillArea, viewport2.fillArea, 1.0 + legacy.fillArea * 1e-4);
    ASSERT_EQ(legacy.texts.size(), viewport2.texts.size());
    for (std::size_t i = 0; i < legacy.texts.size(); ++i) {
        const Text& a = legacy.texts[i];
        const Text& b = viewport2.texts[i];
        SCOPED_TRACE("text \"" + a.text + "\"");
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.fontHeight, b.fontHeight);
        EXPECT_TRUE(near(a.origin, b.origin))
            << describe(a.origin) << " against " << describe(b.origin);
        EXPECT_TRUE(sameColor(a.color, b.color));
    }
}

} // namespace vp2test
