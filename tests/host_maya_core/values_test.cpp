// Value types with behaviour of their own: status reports, strings, time, matrices, vectors.
#include <maya/MBoundingBox.h>
#include <maya/MColor.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MTime.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Status, PerrorAndTheApiErrorReportGoToStandardError) {
    MStatus failed(MS::kInvalidParameter);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.error());
    EXPECT_TRUE(MS::kInvalidParameter == failed);
    testing::internal::CaptureStderr();
    failed.perror("Reticle::getMatrix getting matrix");
    MStatus(MS::kFailure).pAPIerror("src/pluginMain.cpp", 28);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written,
              "Reticle::getMatrix getting matrix: " + std::string(failed.errorString().asChar()) +
                  "\n\nAPI error detected in src/pluginMain.cpp at line 28\n" +
                  MStatus(MS::kFailure).errorString().asChar() + "\n");
    EXPECT_NE(std::string(failed.errorString().asChar()).find("kInvalidParameter"),
              std::string::npos);
}

TEST(Strings, ConcatenateConvertSplitAndExpand) {
    MString text("frame ");
    text += 12;
    text += " of ";
    text += 2.5;
    EXPECT_EQ(text, "frame 12 of 2.5");
    EXPECT_EQ(text.length(), 15u);
    EXPECT_EQ(MString("grüße").numChars(), 5);
    EXPECT_EQ(text.substring(6, 7), "12");
    EXPECT_EQ(text.index('2'), 7);
    EXPECT_TRUE(MString("42").isInt());
    EXPECT_FALSE(MString("4x").isInt());
    EXPECT_DOUBLE_EQ(MString("0.25").asDouble(), 0.25);
    MStringArray parts;
    MString("/a//b/c").split('/', parts);
    ASSERT_EQ(parts.length(), 3u);
    EXPECT_EQ(parts[2], "c");
    setenv("CORE_TEST_DIR", "/data", 1);
    EXPECT_EQ(MString("$CORE_TEST_DIR/x/${CORE_TEST_DIR}").expandEnvironmentVariablesAndTilde(),
              "/data/x//data");
    EXPECT_EQ(MString(L"wide"), "wide");
}

TEST(Time, UnitsConvertAndCompareAsInstants) {
    MTime frames(48.0, MTime::kFilm);
    EXPECT_DOUBLE_EQ(frames.as(MTime::kSeconds), 2.0);
    EXPECT_DOUBLE_EQ(frames.as(MTime::kPALFrame), 50.0);
    EXPECT_EQ(frames, MTime(2.0, MTime::kSeconds));
    EXPECT_LT(MTime(1.0, MTime::kFilm), MTime(1.0, MTime::kNTSCFrame) * 2.0);
    MTime converted = frames;
    ASSERT_TRUE(converted.setUnit(MTime::kNTSCFrame));
    EXPECT_DOUBLE_EQ(converted.value(), 60.0);
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
}

TEST(Math, MatricesInvertAndPointsUseRowVectors) {
    MMatrix m;
    m[3][0] = 5.0; // translation
    m[0][0] = 2.0; // scale x
    const MPoint moved = MPoint(1, 1, 1) * m;
    EXPECT_EQ(moved, MPoint(7, 1, 1));
    EXPECT_TRUE((m * m.inverse()).isEquivalent(MMatrix::identity));
    EXPECT_DOUBLE_EQ(m.det4x4(), 2.0);
    MMatrix singular;
    singular[0][0] = 0.0;
    EXPECT_TRUE(singular.isSingular());
    EXPECT_EQ(singular.inverse(), MMatrix::identity) << "a defined result, not NaNs";
}

TEST(Math, ZeroVectorsNormalizeToZeroAndBoxesOrderTheirCorners) {
    MFloatVector zero;
    zero.normalize();
    EXPECT_EQ(zero, MFloatVector::zero);
    EXPECT_FLOAT_EQ(MFloatVector(3, 0, 4).normal().length(), 1.0f);
    EXPECT_EQ(MFloatVector(1, 0, 0) ^ MFloatVector(0, 1, 0), MFloatVector(0, 0, 1));
    MBoundingBox box(MPoint(1, -1, 2), MPoint(-1, 1, -2));
    EXPECT_EQ(box.min(), MPoint(-1, -1, -2));
    EXPECT_EQ(box.max(), MPoint(1, 1, 2));
    EXPECT_DOUBLE_EQ(box.depth(), 4.0);
    EXPECT_TRUE(box.contains(MPoint(0, 0, 0)));
}

TEST(Math, ColoursConvertBetweenModelsAndBoxesFollowTransforms) {
    MColor orange(MColor::kHSV, 30.0f, 1.0f, 1.0f);
    EXPECT_TRUE(orange.isEquivalent(MColor(1.0f, 0.5f, 0.0f)));
    float h = 0, s = 0, v = 0;
    orange.get(MColor::kHSV, h, s, v);
    EXPECT_NEAR(h, 30.0f, 1e-4);
    EXPECT_NEAR(s, 1.0f, 1e-6);
    EXPECT_TRUE(MColor(MColor::kRGB, static_cast<unsigned char>(255), 0, 0)
                    .isEquivalent(MColor(1.0f, 0.0f, 0.0f)));

    MBoundingBox box(MPoint(-1, -1, -1), MPoint(1, 1, 1));
    MMatrix turn; // 90 degrees about Z, then moved along X
    turn[0][0] = 0;
    turn[0][1] = 1;
    turn[1][0] = -1;
    turn[1][1] = 0;
    turn[3][0] = 10;
    box.expand(MPoint(2, 0, 0));
    box.transformUsing(turn);
    EXPECT_TRUE(box.min().isEquivalent(MPoint(9, -1, -1)));
    EXPECT_TRUE(box.max().isEquivalent(MPoint(11, 2, 1)));
    EXPECT_TRUE(box.intersects(MBoundingBox(MPoint(11, 2, 1), MPoint(12, 3, 2))));
    EXPECT_FALSE(MBoundingBox().contains(MPoint()));
}
