//Maya ASCII 2019 scene
//Name: obake.ma
//A ball flying along a curve with an obakeDeformer on it: its vertices trail behind the motion,
//more on the side facing away from it and where the noise texture on noiseMap is bright.
requires maya "2019";
requires "quillomarPlugins" "1.0.0";
currentUnit -l centimeter -a degree -t film;
playbackOptions -min 1 -max 12;
currentTime 1;
createNode transform -s -n "persp";
	setAttr ".t" -type "double3" 0 5.5 15 ;
	setAttr ".r" -type "double3" -12 0 0 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr ".fl" 35;
	setAttr ".ncp" 0.1;
	setAttr ".fcp" 1000;
createNode transform -n "ball";
createNode mesh -n "ballShape" -p "ball";
createNode mesh -n "ballShapeOrig" -p "ball";
	setAttr ".io" yes;
createNode polySphere -n "polySphere1";
	setAttr ".r" 1.4;
	setAttr ".sa" 40;
	setAttr ".sh" 30;
createNode noise -n "grain";
	setAttr ".fq" 5;
	setAttr ".a" 1.6;
createNode obakeDeformer -n "obake";
	setAttr ".scale" 1.3;
createNode animCurveTL -n "ball_translateX";
	setAttr ".tan" 18;
	setAttr ".wgt" no;
	setAttr -s 12 ".ktv[0:11]"  1 -5.2000 2 -4.2545 3 -3.3091 4 -2.3636 5 -1.4182 6 -0.4727 7 0.4727 8 1.4182 9 2.3636 10 3.3091 11 4.2545 12 5.2000;
createNode animCurveTL -n "ball_translateY";
	setAttr ".tan" 18;
	setAttr ".wgt" no;
	setAttr -s 12 ".ktv[0:11]"  1 1.8000 2 2.4198 3 2.9894 4 3.4626 5 3.8012 6 3.9776 7 3.9776 8 3.8012 9 3.4626 10 2.9894 11 2.4198 12 1.8000;
createNode animCurveTL -n "ball_translateZ";
	setAttr ".tan" 18;
	setAttr ".wgt" no;
	setAttr -s 12 ".ktv[0:11]"  1 -0.0000 2 -1.0813 3 -1.8193 4 -1.9796 5 -1.5115 6 -0.5635 7 0.5635 8 1.5115 9 1.9796 10 1.8193 11 1.0813 12 0.0000;
connectAttr "polySphere1.out" "ballShapeOrig.i";
connectAttr "ballShapeOrig.worldMesh[0]" "obake.input[0].inputGeometry";
connectAttr "obake.outputGeometry[0]" "ballShape.i";
connectAttr "time1.o" "obake.t";
connectAttr "grain.outColor" "obake.noise";
connectAttr "ball_translateX.o" "ball.tx";
connectAttr "ball_translateY.o" "ball.ty";
connectAttr "ball_translateZ.o" "ball.tz";
