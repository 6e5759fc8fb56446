// Scenes saved and read back: every storable value, dynamic attributes, connections and
// parents survive; bad lines are reported with file and line and the rest is kept.
#include "scene_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MFileIO.h>
#include <maya/MFileObject.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnMatrixData.h>
#include <maya/MPlugArray.h>
#include <maya/MPointArray.h>
#include <maya/MTime.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<double> values(const std::string& path) {
    std::vector<double> v;
    EXPECT_TRUE(hostkit::getAttrValues(path, v)) << path;
    return v;
}

} // namespace

using SceneFile = SceneTest;

TEST_F(SceneFile, EveryStorableValueRoundTrips) {
    mel("createNode allKinds -n k;"
        "setAttr k.flag no; setAttr k.cn 42; setAttr k.ro 0.1; setAttr k.pr 0.30000000000000004;"
        "setAttr k.of -type double3 1e-300 -2 3; setAttr k.ti -type float3 0.7 0.8 0.9;"
        "setAttr k.md 30; setAttr k.lb -type \"string\" \"line\\nwith \\\"quotes\\\"\";"
        "setAttr k.wh 33; setAttr k.wt[5] 1; setAttr k.wt[2] 0.25;"
        "setAttr k.pai[3].pa 7; setAttr k.ns 9;"
        "setAttr k.pts -type pointArray 1 1 2 3 1;"
        "setAttr k.tf -type matrix 2 0 0 0 0 2 0 0 0 0 2 0 1 2 3 1;"
        "setAttr k.cv -type nurbsCurve 1 1 0 no 3 2 0 1 2 0 0 0 4 5 6;"
        "createNode transform -n group; setAttr group.r -type double3 0 45 0;"
        "setAttr group.v no; createNode marker -n mark -p group;"
        "createNode transform -n cam; createNode camera -n camShape -p cam;"
        "setAttr camShape.fl 50; setAttr camShape.ff 2;"
        "addAttr -ln useReticle -at long -dv 1 camShape; setAttr camShape.useReticle 0;"
        "connectAttr time1.o k.when; currentTime 9");
    const std::string path = tempPath("round_trip.ma");
    ASSERT_TRUE(MFileIO::saveAs(path.c_str()));
    EXPECT_STREQ(MFileIO::currentFile().asChar(), path.c_str());
    const std::string text = readFile(path);
    EXPECT_EQ(text.rfind("//Maya ASCII 2019 scene\n", 0), 0u);
    EXPECT_NE(text.find("requires \"quillomarSceneTestTypes\" \"2.5\";"), std::string::npos);
    EXPECT_EQ(text.find("\"k.ns\""), std::string::npos); // not storable
    ASSERT_NE(text.find("setAttr \".count\" 42;"), std::string::npos);
    EXPECT_EQ(text.find(".count\""), text.rfind(".count\"")); // written once

    hostkit::resetScene();
    EXPECT_EQ(MFileIO::currentFile().length(), 0u);
    ASSERT_TRUE(MFileIO::open(path.c_str()));
    EXPECT_STREQ(MFileIO::currentFile().asChar(), path.c_str());

    EXPECT_EQ(values("k.flag"), std::vector<double>{0});
    EXPECT_EQ(values("k.cn"), std::vector<double>{42});
    EXPECT_EQ(values("k.ro"), std::vector<double>{0.1f});
    EXPECT_EQ(values("k.pr"), std::vector<double>{0.30000000000000004});
    EXPECT_EQ(values("k.of"), (std::vector<double>{1e-300, -2, 3}));
    EXPECT_EQ(values("k.ti"), (std::vector<double>{0.7f, 0.8f, 0.9f}));
    EXPECT_EQ(values("k.md"), std::vector<double>{30});
    EXPECT_EQ(values("k.ns"), std::vector<double>{0});
    std::string label;
    ASSERT_TRUE(hostkit::getAttrString("k.lb", label));
    EXPECT_EQ(label, "line\nwith \"quotes\"");
    EXPECT_EQ(plug("k.wt").numElements(), 2u);
    EXPECT_EQ(values("k.wt[2]"), std::vector<double>{0.25});
    EXPECT_EQ(values("k.pai[3].pa"), std::vector<double>{7});
    MPointArray points;
    MFnPointArrayData(plug("k.pts").asMObject()).copyTo(points);
    ASSERT_EQ(points.length(), 1u);
    EXPECT_EQ(points[0].z, 3.0);
    EXPECT_EQ(MFnMatrixData(plug("k.tf").asMObject()).matrix()(3, 1), 2.0);
    EXPECT_EQ(MFnNurbsCurve(plug("k.cv").asMObject()).numCVs(), 2);

    EXPECT_STREQ(pathTo(node("mark")).fullPathName().asChar(), "|group|mark");
    EXPECT_EQ(values("group.r"), (std::vector<double>{0, 45, 0}));
    EXPECT_EQ(values("group.v"), std::vector<double>{0});
    EXPECT_EQ(values("camShape.fl"), std::vector<double>{50});
    EXPECT_EQ(values("camShape.ff"), std::vector<double>{2});
    EXPECT_EQ(values("camShape.useReticle"), std::vector<double>{0});
    EXPECT_TRUE(plug("k.when").isConnected());
    EXPECT_EQ(values("time1.o"), std::vector<double>{9});
    std::remove(path.c_str());
}

TEST_F(SceneFile, BadLinesAreReportedWithFileAndLineAndSkipped) {
    const std::string path = tempPath("bad_lines.ma");
    std::ofstream(path) << "//Maya ASCII 2019 scene\n"
                           "requires maya \"2019\";\n"
                           "createNode allKinds -n k;\n"
                           "\tsetAttr \".cn\" 5;\n"
                           "\tsetAttr \".cn\" five;\n"
                           "dataStructure -fmt \"raw\";\n"
                           "\tsetAttr \".lb\" -type \"string\" \"never closed;\n"
                           "createNode allKinds -n j;\n"
                           "\tsetAttr \".ro\"\n\t\t0.75;\n"
                           "connectAttr \"k.cn\" \"nobody.cn\";\n"
                           "createNode noSuchType -n ghost;\n"
                           "\tsetAttr \".ro\" 0.5;\n";
    testing::internal::CaptureStderr();
    ASSERT_TRUE(MFileIO::open(path.c_str()));
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find(path + ":5: setAttr: bad value 'five'"), std::string::npos) << messages;
    EXPECT_NE(messages.find(path + ":6: warning: unknown command 'dataStructure' skipped"),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find(path + ":7: unterminated string"), std::string::npos) << messages;
    EXPECT_NE(messages.find(path + ":11: connectAttr:"), std::string::npos) << messages;
    EXPECT_EQ(number("k.cn"), 5.0);
    // A type the host does not know gives a placeholder that quietly takes the node's values.
    EXPECT_NE(messages.find(path + ":12: warning: createNode: unknown node type 'noSuchType'"),
              std::string::npos)
        << messages;
    EXPECT_EQ(messages.find(path + ":13:"), std::string::npos) << messages;
    EXPECT_EQ(number("j.ro"), 0.75); // the placeholder's values do not land on the node before
    EXPECT_EQ(hostkit::displayStatus(MDagPath()), M3dView::kDormant);

    EXPECT_FALSE(MFileIO::open("/no/such/dir/scene.ma"));
    EXPECT_FALSE(node("k").isNull()); // an unreadable file leaves the scene alone
    std::remove(path.c_str());
}

TEST_F(SceneFile, SharedNodesAndSelectionFromTheFile) {
    const std::string path = tempPath("shared.ma");
    std::ofstream(path) << "createNode transform -s -n \"persp\";\n"
                           "createNode transform -s -n \"persp\";\n"
                           "createNode marker -n \"m\" -p \"persp\";\n"
                           "select -ne :time1;\n\tsetAttr \".o\" 4;\n"
                           "select -r m;\n";
    ASSERT_TRUE(hostkit::openScene(path));
    EXPECT_TRUE(node("persp1").isNull());
    EXPECT_EQ(number("time1.o"), 4.0);
    EXPECT_EQ(hostkit::displayStatus(pathTo(node("m"))), M3dView::kLead);
    std::remove(path.c_str());
}

TEST_F(SceneFile, MeshesCurvesAndDeformersSurviveASaveAndLoad) {
    const std::string source = tempPath("geometry.ma");
    std::ofstream(source) << "createNode transform -n quad;\n"
                             "\tsetAttr \".t\" -type \"double3\" 0 0 4;\n"
                             "createNode mesh -n quadShape -p quad;\n"
                             "\tsetAttr \".i\" -type \"mesh\" 4 0 0 0 0 0 -1 1 0 -1 1 0 0\n"
                             "\t\t1 4  4 0 3 2 1  4 0 0 0 1 1 1 1 0  4 0 3 2 1;\n"
                             "deformer -type lift -n up quad;\n";
    ASSERT_TRUE(hostkit::openScene(source));
    const std::string saved = tempPath("geometry_saved.ma");
    ASSERT_TRUE(hostkit::saveScene(saved));
    hostkit::resetScene();
    ASSERT_TRUE(hostkit::openScene(saved));

    MObject orig = node("quadShapeOrig");
    ASSERT_FALSE(orig.isNull());
    EXPECT_STREQ(pathTo(orig).fullPathName().asChar(), "|quad|quadShapeOrig");
    MPlugArray sources;
    ASSERT_TRUE(plug("quadShape.inMesh").connectedTo(sources, true, false));
    EXPECT_STREQ(sources[0].name().asChar(), "up.outputGeometry[0]");
    auto meshes = hostkit::meshes();
    ASSERT_EQ(meshes.size(), 2u);
    ASSERT_TRUE(meshes[0].visible);
    ASSERT_EQ(meshes[0].points.size(), 4u);
    EXPECT_EQ(meshes[0].points[2][1], 1.0); // lifted once, from the original shape's points
    EXPECT_EQ(meshes[0].faces, (std::vector<std::vector<int>>{{0, 3, 2, 1}}));
    std::remove(source.c_str());
    std::remove(saved.c_str());
}

TEST_F(SceneFile, FileCommandsTrackTheCurrentFile) {
    EXPECT_FALSE(MFileIO::save()); // no name yet
    mel("createNode allKinds -n k; currentUnit -t pal");
    const std::string exported = tempPath("exported.ma"), named = tempPath("named.ma");
    ASSERT_TRUE(MFileIO::exportAll(exported.c_str()));
    EXPECT_EQ(MFileIO::currentFile().length(), 0u);
    EXPECT_NE(readFile(exported).find("currentUnit -l centimeter -a degree -t pal;"),
              std::string::npos);
    ASSERT_TRUE(MFileIO::saveAs(named.c_str()));
    mel("setAttr k.cn 11");
    ASSERT_TRUE(MFileIO::save());
    EXPECT_NE(readFile(named).find("setAttr \".count\" 11;"), std::string::npos);
    ASSERT_TRUE(MFileIO::newFile(true));
    EXPECT_TRUE(node("k").isNull());
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    ASSERT_TRUE(MFileIO::open(named.c_str()));
    EXPECT_EQ(MTime::uiUnit(), MTime::kPALFrame);
    EXPECT_EQ(number("k.cn"), 11.0);
    MFileObject file;
    file.setRawFullName(MFileIO::currentFile());
    EXPECT_TRUE(file.exists());
    EXPECT_STREQ(file.resolvedFullName().asChar(), named.c_str());
    std::remove(exported.c_str());
    std::remove(named.c_str());
}
