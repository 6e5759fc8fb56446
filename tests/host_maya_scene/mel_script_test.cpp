#include "scene/mel_args.h"
#include "scene/mel_script.h"
#include "scene/mel_values.h"
#include "scene/transform_math.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace scene;

TEST(MelScript, SplitsCommandsAcrossLinesAndKeepsTheirLines) {
    MelScript s =
        parseMel("// header\ncreateNode transform -n \"a\";\n"
                 "setAttr \".t\" -type \"double3\"\n  1 -2.5 3e2 ;\n/* x\n y */ select a");
    ASSERT_TRUE(s.errors.empty());
    ASSERT_EQ(s.commands.size(), 3u);
    EXPECT_EQ(s.commands[0].line, 2);
    EXPECT_EQ(s.commands[1].line, 3);
    EXPECT_EQ(s.commands[2].line, 6);
    const auto& w = s.commands[1].words;
    ASSERT_EQ(w.size(), 7u);
    EXPECT_EQ(w[1].kind, MelWord::Quoted);
    EXPECT_TRUE(w[2].isFlag());
    EXPECT_FALSE(w[5].isFlag()); // "-2.5" is a number
    EXPECT_EQ(w[6].line, 4);
}

TEST(MelScript, BadCommandsAreDroppedAndReadingResumes) {
    MelScript s = parseMel("setAttr \"a.b\" (1+2);\nsetAttr \"a.tx\" \"open;\nselect a;\n"
                           "setAttr \"a\\\"q\\\\\" 1;");
    ASSERT_EQ(s.errors.size(), 2u);
    EXPECT_EQ(s.errors[0].line, 1);
    EXPECT_EQ(s.errors[1].line, 2);
    EXPECT_NE(s.errors[1].message.find("unterminated"), std::string::npos);
    ASSERT_EQ(s.commands.size(), 2u);
    EXPECT_EQ(s.commands[0].words[0].text, "select");
    EXPECT_EQ(s.commands[1].words[1].text, "a\"q\\");
}

TEST(MelScript, ParenthesisedStringsJoinIntoOneWordAsScriptNodesWriteThem) {
    MelScript s = parseMel("setAttr \".b\" -type \"string\" (\n\t\t\"ab\\n\"\n\t\t+ \"cd\");\n"
                           "setAttr \".c\" ( \"open\" + );\nselect a;");
    ASSERT_EQ(s.commands.size(), 2u);
    ASSERT_EQ(s.commands[0].words.size(), 5u);
    EXPECT_EQ(s.commands[0].words[4].text, "ab\ncd");
    EXPECT_EQ(s.commands[0].words[4].kind, MelWord::Quoted);
    ASSERT_EQ(s.errors.size(), 1u); // anything else in parentheses is not MEL the host runs
    EXPECT_EQ(s.errors[0].line, 4);
    EXPECT_EQ(s.commands[1].line, 5);
}

TEST(MelArgs, AcceptsShortAndLongFlagsAndRejectsUnknownOrIncomplete) {
    const std::vector<MelFlag> flags = {{"n", "name", 1}, {"s", "shared", 0}};
    MelArgs args;
    std::string error;
    ASSERT_TRUE(args.parse(parseMel("createNode -name x transform -s").commands[0], flags, error));
    EXPECT_EQ(args.value("name"), "x");
    EXPECT_TRUE(args.has("shared"));
    ASSERT_EQ(args.positional().size(), 1u);
    EXPECT_FALSE(args.parse(parseMel("createNode -q x").commands[0], flags, error));
    EXPECT_NE(error.find("-q"), std::string::npos);
    EXPECT_FALSE(args.parse(parseMel("createNode x -n").commands[0], flags, error));
}

TEST(MelValues, NumbersReadBackExactlyAndStringsEscape) {
    for (double v : {0.1, 1.0 / 3.0, -2.5e-300, 1e21, 35.0, 4.9e-324}) {
        double back = 0;
        ASSERT_TRUE(parseDouble(formatDouble(v), back));
        EXPECT_EQ(back, v);
    }
    EXPECT_EQ(formatDouble(35.0), "35");
    EXPECT_EQ(formatDouble(10.0), "10");
    EXPECT_EQ(formatDouble(-300.0), "-300");
    EXPECT_EQ(formatDouble(1e21), "1e+21");
    EXPECT_EQ(formatFloat(0.1f), "0.1");
    EXPECT_EQ(formatFloat(1.41732f), "1.41732");
    EXPECT_EQ(quoteMel("a\"b\\c\n"), "\"a\\\"b\\\\c\\n\"");
    double d;
    int i;
    bool b;
    EXPECT_FALSE(parseDouble("1.5x", d));
    EXPECT_FALSE(parseDouble("", d));
    EXPECT_FALSE(parseInt("1e12", i));
    ASSERT_TRUE(parseBool("on", b));
    EXPECT_TRUE(b);
    ASSERT_TRUE(parseBool("0", b));
    EXPECT_FALSE(b);
    EXPECT_FALSE(parseBool("maybe", b));
}

namespace {
void transformPoint(const double m[4][4], const double p[3], double out[3]) {
    for (int j = 0; j < 3; ++j)
        out[j] = p[0] * m[0][j] + p[1] * m[1][j] + p[2] * m[2][j] + m[3][j];
}
} // namespace

TEST(TransformMath, ScalesThenRotatesXYZThenTranslates) {
    const double t[3] = {10, 20, 30}, r[3] = {90, 90, 0}, s[3] = {2, 1, 1};
    double m[4][4];
    composeTransform(t, r, s, m);
    // (1,0,0) -> scale (2,0,0) -> about X unchanged -> about Y (0,0,-2) -> moved.
    const double x[3] = {1, 0, 0}, y[3] = {0, 1, 0};
    double q[3];
    transformPoint(m, x, q);
    EXPECT_NEAR(q[0], 10, 1e-12);
    EXPECT_NEAR(q[1], 20, 1e-12);
    EXPECT_NEAR(q[2], 28, 1e-12);
    // (0,1,0): about X 90 -> (0,0,1); about Y 90 -> (1,0,0).
    transformPoint(m, y, q);
    EXPECT_NEAR(q[0], 11, 1e-12);
    EXPECT_NEAR(q[1], 20, 1e-12);
    EXPECT_NEAR(q[2], 30, 1e-12);
}

TEST(TransformMath, PivotsStayPutUnderTheirRotationAndScale) {
    TransformValues v;
    v.rotate[2] = 90;
    v.scale[0] = 3;
    v.rotatePivot[0] = 1, v.rotatePivot[1] = 2;
    v.scalePivot[0] = 1, v.scalePivot[1] = 2;
    v.translate[2] = 5;
    double m[4][4], q[3];
    composeTransform(v, m);
    const double pivot[3] = {1, 2, 0};
    transformPoint(m, pivot, q);
    EXPECT_NEAR(q[0], 1, 1e-12);
    EXPECT_NEAR(q[1], 2, 1e-12);
    EXPECT_NEAR(q[2], 5, 1e-12);
    // One unit along X from the pivot: scaled by 3, then turned to +Y.
    const double beside[3] = {2, 2, 0};
    transformPoint(m, beside, q);
    EXPECT_NEAR(q[0], 1, 1e-12);
    EXPECT_NEAR(q[1], 5, 1e-12);
    // A joint turns about its origin and undoes its parent's scale.
    TransformValues joint;
    joint.joint = true;
    joint.rotatePivot[0] = 7; // ignored
    joint.jointOrient[2] = 90;
    joint.inverseScale[1] = 2; // the parent scales Y by 2
    composeTransform(joint, m);
    const double x[3] = {1, 0, 0};
    transformPoint(m, x, q);
    EXPECT_NEAR(q[0], 0, 1e-12);
    EXPECT_NEAR(q[1], 0.5, 1e-12);
}

TEST(TransformMath, DecomposingGivesChannelsThatComposeTheSameMatrix) {
    const double cases[][9] = {{1, 2, 3, 10, -20, 30, 1, 2, 3},
                               {0, 0, 0, 170, 45, -100, 0.5, 0.5, 4},
                               {-4, 0, 1, 30, 90, 0, 1, 1, 1},
                               {0, 0, 0, 0, 0, 0, -2, 1, 1}};
    for (const auto& c : cases) {
        double m[4][4], t[3], r[3], s[3], back[4][4];
        composeTransform(c, c + 3, c + 6, m);
        decomposeTransform(m, t, r, s);
        composeTransform(t, r, s, back);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                EXPECT_NEAR(back[i][j], m[i][j], 1e-9) << c[3] << " " << c[4] << " " << c[5];
    }
}
