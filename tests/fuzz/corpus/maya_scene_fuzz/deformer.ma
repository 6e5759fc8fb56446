//Maya ASCII 2019 scene
requires maya "2019";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "ball";
	setAttr ".t" -type "double3" 0 1 0 ;
createNode mesh -n "ballShape" -p "ball";
	setAttr ".i" -type "mesh"
		8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1  -1 -1 -1  1 -1 -1
		6 4 4 4 4 4 4
		24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3  6 0 2 4
		0 0 ;
deformer -type obakeDeformer -n "obake1" ballShape;
setAttr "obake1.envelope" 0.5;
setKeyframe -t 1 -v 0 -at translateX ball;
setKeyframe -t 10 -v 5 -at translateX ball;
currentTime 5;
createNode checker -n "checker1";
connectAttr "checker1.outColor" "obake1.texture";
