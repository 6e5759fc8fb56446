// How the viewport draws meshes as Maya stores them: faces with holes are cut out, concave
// faces keep their notches, and a mirrored placement shades like the original.
#include "fixture_scene.h"

#include <hostkit/viewport.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Looking down -Z at the XY plane, 10 units across a 200 x 200 port: world (x, y) is pixel
// (100 + 20x, 100 - 20y).
const char* const kScene = R"(createNode transform -n "flat";
	setAttr ".t" -type "double3" 0 0 10 ;
createNode camera -n "flatShape" -p "flat";
	setAttr ".o" yes;
	setAttr ".ow" 10;
createNode transform -n "holed";
createNode mesh -n "holedShape" -p "holed";
	setAttr -s 8 ".vt[0:7]"  -4 -1.5 0 -1 -1.5 0 -1 1.5 0 -4 1.5 0
		 -3 -0.5 0 -2 -0.5 0 -2 0.5 0 -3 0.5 0;
	setAttr -s 8 ".ed[0:7]"  0 1 0 1 2 0 2 3 0 3 0 0 4 5 0 5 6 0 6 7 0 7 4 0;
	setAttr ".fc[0]" -type "polyFaces" f 4 0 1 2 3 h 4 -8 -7 -6 -5 ;
createNode transform -n "ell";
createNode mesh -n "ellShape" -p "ell";
	setAttr -s 6 ".vt[0:5]"  4 -0.5 0 2 -0.5 0 2 1.5 0 1 1.5 0 1 -1.5 0 4 -1.5 0;
	setAttr -s 6 ".ed[0:5]"  0 1 0 1 2 0 2 3 0 3 4 0 4 5 0 5 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 6 0 1 2 3 4 5 ;
createNode transform -n "tile";
	setAttr ".t" -type "double3" 2 -3.5 0 ;
createNode mesh -n "tileShape" -p "tile";
createNode polyPlane -n "square";
	setAttr ".sw" 1;
	setAttr ".sh" 1;
	setAttr ".ax" -type "double3" 0 0 1 ;
connectAttr "square.out" "tileShape.i";
createNode transform -n "mirrored";
	setAttr ".t" -type "double3" -2 -3.5 0 ;
	setAttr ".s" -type "double3" -1 1 1 ;
createNode mesh -n "mirroredShape" -p "mirrored";
connectAttr "square.out" "mirroredShape.i";
)";

const std::uint8_t* at(const quillomar::Image& image, double x, double y) {
    return image.pixel(static_cast<int>(100 + 20 * x), static_cast<int>(100 - 20 * y));
}

// The colour behind everything, as in a corner the meshes leave free.
bool isBackground(const quillomar::Image& image, const std::uint8_t* p) {
    const std::uint8_t* corner = image.pixel(2, 2);
    return p[0] == corner[0] && p[1] == corner[1] && p[2] == corner[2];
}

bool isMesh(const std::uint8_t* p) {
    return p[0] > 110;
}

} // namespace

TEST(MeshDrawing, HolesAndNotchesStayOpenAndMirroredFacesShadeAlike) {
    viewtest::openFixtureScene(kScene);
    hostkit::Viewport viewport("flat", viewtest::kPort, viewtest::kPort);
    viewport.setDisplayStyle(M3dView::kGouraudShaded);
    viewport.setGridVisible(false);
    viewport.draw();
    const quillomar::Image image = viewport.image();
    EXPECT_TRUE(isMesh(at(image, -3.5, 1.0)));
    EXPECT_TRUE(isBackground(image, at(image, -2.5, 0.0))) << "the hole";
    EXPECT_TRUE(isMesh(at(image, 1.5, 0.5)));
    // A fan from the L's first corner would cover this point of its notch.
    EXPECT_TRUE(isBackground(image, at(image, 2.8, 0.2))) << "the notch of the L";
    EXPECT_TRUE(isMesh(at(image, 3.0, -1.0)));
    const std::uint8_t* plain = at(image, 2.0, -3.5);
    const std::uint8_t* mirrored = at(image, -2.0, -3.5);
    ASSERT_TRUE(isMesh(plain));
    EXPECT_EQ(plain[0], mirrored[0]);
}
