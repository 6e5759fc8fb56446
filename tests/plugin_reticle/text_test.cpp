// The reticle's texts in the stand-in viewport: their words, where their bitmaps start, and the
// connection to the scene's time.
#include "reticle_fixture.h"

#include <hostkit/scene.h>
#include <maya/MFileIO.h>

#include <GL/glut.h>

#include <cstdlib>

namespace {
struct DrawnText {
    std::string text;
    const void* font = nullptr;
};

// The strings of one draw, split at each raster position.
std::vector<DrawnText> textsOf(const std::vector<glrec::Call>& calls) {
    std::vector<DrawnText> texts;
    for (const glrec::Call& call : calls) {
        if (call.name == "glRasterPos3f")
            texts.emplace_back();
        if (call.name == "glutBitmapCharacter" && !texts.empty()) {
            texts.back().text += static_cast<char>(static_cast<int>(call.args[0]));
            texts.back().font = call.font;
        }
    }
    return texts;
}

std::vector<std::string> wordsOf(hostkit::Viewport& viewport) {
    std::vector<std::string> words;
    for (const DrawnText& text : textsOf(recordDraw(viewport)))
        words.push_back(text.text);
    return words;
}

// Window positions where each string's bitmaps start, given the strings drawn: one bitmap per
// character, all at valid raster positions.
std::vector<std::array<float, 2>> rasterStarts(hostkit::Viewport& viewport,
                                               const std::vector<DrawnText>& texts) {
    std::vector<std::array<float, 2>> bitmaps;
    for (const hostkit::FeedbackRecord& record : viewport.capture())
        if (record.kind == hostkit::FeedbackRecord::kBitmap)
            bitmaps.push_back({record.vertices[0].x, record.vertices[0].y});
    std::vector<std::array<float, 2>> starts;
    std::size_t next = 0;
    for (const DrawnText& text : texts) {
        if (next < bitmaps.size())
            starts.push_back(bitmaps[next]);
        next += text.text.size();
    }
    EXPECT_EQ(next, bitmaps.size());
    return starts;
}

int widthOf(void* font, const std::string& text) {
    int width = 0;
    for (char c : text)
        width += glutBitmapWidth(font, c);
    return width;
}
} // namespace

TEST_F(ReticleTest, TextsShowSceneValuesThroughTheirFormats) {
    hostkit::setPlaybackRange(1, 120);
    hostkit::setTime(12);
    set("viewerShape.focalLength", 35);
    const int types[] = {1, 4, 7, 5, 2, 0, 1, 2, 3, 12, 0};
    for (int i = 0; i < 11; ++i)
        addText(i, types[i]);
    setString(".text[5].textStr", "plain %s text");
    setString(".text[6].textStr", "%s%s%s%n");
    setString(".text[7].textStr", "%*d");
    setString(".text[8].textStr", "%99999f");
    setString(".text[9].textStr", "%Q");
    hostkit::Viewport viewport(kCamera, 320, 180);
    // Eleven elements: the one with the highest logical index is left out.
    EXPECT_EQ(
        wordsOf(viewport),
        (std::vector<std::string>{"35.00 mm", "0012 (0001 - 0120)", "0001 - 0120", "0001", "viewer",
                                  "plain %s text", "Error", "Error", "Error", "Error"}));
    // The cached format stays: the next draw shows the same.
    EXPECT_EQ(wordsOf(viewport).at(0), "35.00 mm");
    hostkit::setTime(13);
    EXPECT_EQ(wordsOf(viewport).at(1), "0013 (0001 - 0120)");
}

TEST_F(ReticleTest, UserAndFileTextsShowTheirValuesOrError) {
    for (int type = 8; type <= 11; ++type)
        addText(type - 8, type);
    const char* saved = std::getenv("USER");
    const std::string user = saved ? saved : "";
    hostkit::Viewport viewport(kCamera, 320, 180);
    // An unsaved scene: its file's directory is "." and every empty value shows "Error".
    MFileIO::setCurrentFile("");
    setenv("USER", "", 1);
    EXPECT_EQ(wordsOf(viewport), (std::vector<std::string>{"Error", "Error", ".", "Error"}));
    unsetenv("USER");
    EXPECT_EQ(wordsOf(viewport).at(0), "Error");
    setenv("USER", "tess", 1);
    MFileIO::setCurrentFile("/shows/a/shot.ma");
    EXPECT_EQ(wordsOf(viewport),
              (std::vector<std::string>{"tess", "/shows/a/shot.ma", "/shows/a", "shot.ma"}));
    if (saved)
        setenv("USER", user.c_str(), 1);
    else
        unsetenv("USER");
}

TEST_F(ReticleTest, TextsStartAtTheirAnchorsAligned) {
    addAspect(0, 3.0, 1);
    addAspect(1, 1.5, 0); // "none": not a text reference
    // Window, bottom left, offset (10, 10): the anchor x of 0 becomes 1, the text sits 3 above.
    addText(0, 0, 0, 0);
    setString(".text[0].textStr", "one");
    set(".text[0].textPos", {10, 10});
    // Window, top right, right-aligned, large: ends at the port's edge, 18 below the top.
    addText(1, 0, 8, 0);
    setString(".text[1].textStr", "two");
    set(".text[1].textAlign", 2);
    set(".text[1].textSize", 2);
    // Aspect frame (the 3.0 one is second by ratio), bottom centre, centred: under the frame.
    addText(2, 0, 1, 2);
    setString(".text[2].textStr", "three");
    set(".text[2].textARLevel", 1);
    set(".text[2].textAlign", 1);
    set(".text[2].textSize", 1);
    // Film gate, top left: inside the gate, then moved by its offset.
    addText(3, 0, 6, 1);
    setString(".text[3].textStr", "four");
    set(".text[3].textPos", {5, -2});
    // References that do not exist, the hidden entry, a size, level or anchor out of range.
    const struct {
        int level, arLevel, size, posRel;
    } skipped[] = {{2, 3, 0, 0}, {2, -1, 0, 0}, {2, 0, 0, 0},
                   {0, 0, 3, 0}, {3, 0, 0, 0},  {0, 0, 0, 9}};
    for (int i = 0; i < 6; ++i) {
        const std::string element = ".text[" + std::to_string(4 + i) + "]";
        addText(4 + i, 0, skipped[i].posRel, skipped[i].level);
        setString(element + ".textStr", "skipped");
        set(element + ".textARLevel", skipped[i].arLevel);
        set(element + ".textSize", skipped[i].size);
    }
    set(".text[1].textColor", {0.2, 0.4, 0.6});
    set(".text[1].textTrans", 0.25);
    set("viewerShape.filmFit", 2); // gate 284.48 x 160, centred in 320 x 160
    // Where the locator stands changes nothing: texts go through its world inverse matrix.
    set("overlay.translate", {1, 2, -3});
    set("overlay.rotateY", 30);
    hostkit::Viewport viewport(kCamera, 320, 160);
    const std::vector<glrec::Call> calls = recordDraw(viewport);
    const std::vector<DrawnText> texts = textsOf(calls);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(argsOf(calls, "glFlush").size(), 4u); // one per string
    // Each text's colour is the last one set before its raster position.
    std::vector<std::vector<double>> colours;
    std::vector<double> colour;
    for (const glrec::Call& call : calls) {
        if (call.name == "glColor4f")
            colour = call.args;
        if (call.name == "glRasterPos3f")
            colours.push_back(colour);
    }
    ASSERT_EQ(colours.size(), 4u);
    EXPECT_EQ(colours[0], (std::vector<double>{1, 1, 1, 0.5}));
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(colours[1][k], (std::vector<double>{0.2, 0.4, 0.6, 0.75})[k], 1e-6);
    EXPECT_EQ(texts[1].font, GLUT_BITMAP_HELVETICA_18);
    EXPECT_EQ(texts[2].font, GLUT_BITMAP_HELVETICA_12);
    EXPECT_EQ(texts[3].font, GLUT_BITMAP_HELVETICA_10);

    const std::vector<std::array<float, 2>> starts = rasterStarts(viewport, texts);
    ASSERT_EQ(starts.size(), 4u);
    const double gateLeft = 160 - 160 * 1.778 / 2;
    const double aspectBottom = 80 - 160 * 1.778 / 3.0 / 2;
    const double expected[4][2] = {
        {11, 13},
        {320.0 - widthOf(GLUT_BITMAP_HELVETICA_18, "two"), 160 - 18},
        {double(int(160 - widthOf(GLUT_BITMAP_HELVETICA_12, "three") / 2)),
         double(int(aspectBottom - 12))},
        {double(int(gateLeft + 5)), 160 - 10 - 2}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(starts[i][0], expected[i][0], 0.05) << texts[i].text;
        EXPECT_NEAR(starts[i][1], expected[i][1], 0.05) << texts[i].text;
    }
    const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
    EXPECT_EQ(record.before, record.after) << record.before.describe() << "\n"
                                           << record.after.describe();
}

TEST_F(ReticleTest, TheFirstOverlayConnectsTheSceneTime) {
    const auto timeConnections = [] {
        int found = 0;
        for (const auto& connection : hostkit::listConnections())
            found += connection.second == std::string(kReticle) + ".time" &&
                     connection.first == "time1.outTime";
        return found;
    };
    set(".enableTextDrawing", 0);
    hostkit::Viewport viewport(kCamera, 320, 180);
    viewport.drawLocators();
    EXPECT_EQ(timeConnections(), 0);
    set(".enableTextDrawing", 1);
    viewport.drawLocators();
    EXPECT_EQ(timeConnections(), 1);
    viewport.drawLocators();
    EXPECT_EQ(timeConnections(), 1);
    // A broken connection is made again by the next overlay.
    ASSERT_TRUE(hostkit::disconnectAttr("time1.outTime", std::string(kReticle) + ".time"));
    viewport.drawLocators();
    EXPECT_EQ(timeConnections(), 1);
}
