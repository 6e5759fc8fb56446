//Maya ASCII 2019 scene
//Name: sample.ma
//The stand-in viewport's own sample: the default perspective camera, the grid, a cube and a
//pyramid drawn shaded, and three viewport test locators (lines along +X of different lengths).
requires maya "2019";
requires "quillomarViewFixture" "1.0";
currentUnit -l centimeter -a degree -t film;
createNode transform -s -n "persp";
	setAttr ".t" -type "double3" 14 10.5 14 ;
	setAttr ".r" -type "double3" -27.938 45 0 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr ".fl" 35;
	setAttr ".ncp" 0.1;
	setAttr ".fcp" 1000;
createNode transform -s -n "top";
	setAttr ".t" -type "double3" 0 100 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode camera -s -n "topShape" -p "top";
	setAttr ".o" yes;
	setAttr ".ow" 30;
createNode transform -n "box";
	setAttr ".t" -type "double3" -3 1 0 ;
createNode mesh -n "boxShape" -p "box";
	setAttr ".i" -type "mesh"
		8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1  -1 -1 -1  1 -1 -1
		6 4 4 4 4 4 4
		24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3  6 0 2 4
		0 0 ;
createNode transform -n "pyramid";
	setAttr ".t" -type "double3" 3 0 -2 ;
	setAttr ".r" -type "double3" 0 30 0 ;
	setAttr ".s" -type "double3" 1.5 1.5 1.5 ;
createNode mesh -n "pyramidShape" -p "pyramid";
	setAttr ".i" -type "mesh"
		5 -1 0 1  1 0 1  1 0 -1  -1 0 -1  0 2 0
		5 4 3 3 3 3
		16 3 2 1 0  0 1 4  1 2 4  2 3 4  3 0 4
		0 0 ;
createNode transform -n "lineA";
	setAttr ".t" -type "double3" -6 0 4 ;
createNode fixtureLine -n "lineAShape" -p "lineA";
	setAttr ".length" 10;
createNode transform -n "lineB";
	setAttr ".t" -type "double3" 0 3 0 ;
	setAttr ".r" -type "double3" 0 0 90 ;
createNode fixtureLine -n "lineBShape" -p "lineB";
	setAttr ".length" 3;
createNode transform -n "lineC";
	setAttr ".t" -type "double3" 3 3 -2 ;
	setAttr ".r" -type "double3" 0 90 0 ;
createNode fixtureLine -n "lineCShape" -p "lineC";
	setAttr ".length" 4;
