//Maya ASCII 2019 scene
//Name: reticle.ma
//A camera overlay: a shot camera looking at two boxes, with a reticle showing a 1.78 frame whose
//mask covers everything outside the film gate, a darker 2.39 mask inside it, safe action and safe
//title frames, thirds, a crosshair and texts on the window, the film gate and the 2.39 frame.
requires maya "2019";
requires "quillomarPlugins" "1.0.0";
currentUnit -l centimeter -a degree -t film;
playbackOptions -min 1 -max 120;
currentTime 12;
createNode transform -s -n "persp";
	setAttr ".t" -type "double3" 10 6 12 ;
	setAttr ".r" -type "double3" -20 40 0 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr ".fl" 35;
	setAttr ".ncp" 0.1;
	setAttr ".fcp" 1000;
	setAttr ".hfa" 1.417;
	setAttr ".vfa" 0.797;
	setAttr ".ff" 0;
createNode transform -n "box";
	setAttr ".t" -type "double3" -2 1 0 ;
createNode mesh -n "boxShape" -p "box";
	setAttr ".i" -type "mesh"
		8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1  -1 -1 -1  1 -1 -1
		6 4 4 4 4 4 4
		24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3  6 0 2 4
		0 0 ;
createNode transform -n "tower";
	setAttr ".t" -type "double3" 3 2 -3 ;
	setAttr ".s" -type "double3" 1 2 1 ;
createNode mesh -n "towerShape" -p "tower";
	setAttr ".i" -type "mesh"
		8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1  -1 -1 -1  1 -1 -1
		6 4 4 4 4 4 4
		24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3  6 0 2 4
		0 0 ;
createNode transform -n "overlay";
createNode reticle -n "overlayShape" -p "overlay";
	setAttr ".displayThirdsH" yes;
	setAttr ".displayThirdsV" yes;
	setAttr ".displayCrosshair" yes;
	setAttr ".lineColor" -type "float3" 1 0.85 0.2 ;
	setAttr ".lineTrans" 0.4;
	setAttr ".aspectRatios[0].aspectRatio" 1.78;
	setAttr ".aspectRatios[0].displayMode" 2;
	setAttr ".aspectRatios[0].aspectMaskTrans" 0.5;
	setAttr ".aspectRatios[0].aspectDisplaySafeAction" yes;
	setAttr ".aspectRatios[0].aspectDisplaySafeTitle" yes;
	setAttr ".aspectRatios[0].aspectLineColor" -type "float3" 0.6 0.9 1 ;
	setAttr ".aspectRatios[1].aspectRatio" 2.39;
	setAttr ".aspectRatios[1].displayMode" 2;
	setAttr ".aspectRatios[1].aspectMaskTrans" 0.3;
	setAttr ".aspectRatios[1].aspectLineColor" -type "float3" 1 0.4 0.3 ;
	setAttr ".text[0].textType" 2;
	setAttr ".text[0].textSize" 2;
	setAttr ".text[0].textPosRel" 6;
	setAttr ".text[0].textPos" -type "float2" 12 -8 ;
	setAttr ".text[1].textType" 0;
	setAttr ".text[1].textStr" -type "string" "quillomar reticle";
	setAttr ".text[1].textSize" 1;
	setAttr ".text[1].textAlign" 2;
	setAttr ".text[1].textPosRel" 8;
	setAttr ".text[1].textPos" -type "float2" -12 -8 ;
	setAttr ".text[2].textType" 1;
	setAttr ".text[2].textLevel" 1;
	setAttr ".text[2].textPosRel" 7;
	setAttr ".text[2].textAlign" 1;
	setAttr ".text[2].textSize" 1;
	setAttr ".text[2].textPos" -type "float2" 0 -6 ;
	setAttr ".text[3].textType" 4;
	setAttr ".text[3].textLevel" 1;
	setAttr ".text[3].textPosRel" 2;
	setAttr ".text[3].textAlign" 2;
	setAttr ".text[3].textSize" 1;
	setAttr ".text[3].textPos" -type "float2" -8 6 ;
	setAttr ".text[4].textType" 11;
	setAttr ".text[4].textLevel" 2;
	setAttr ".text[4].textARLevel" 1;
	setAttr ".text[4].textPosRel" 1;
	setAttr ".text[4].textAlign" 1;
	setAttr ".text[4].textSize" 1;
	setAttr ".text[4].textColor" -type "float3" 1 0.6 0.5 ;
	setAttr ".text[4].textTrans" 0;
	setAttr ".text[5].textType" 0;
	setAttr ".text[5].textStr" -type "string" "2.39 : 1";
	setAttr ".text[5].textLevel" 2;
	setAttr ".text[5].textARLevel" 1;
	setAttr ".text[5].textPosRel" 6;
	setAttr ".text[5].textPos" -type "float2" 8 0 ;
	setAttr ".text[5].textColor" -type "float3" 1 0.6 0.5 ;
	setAttr ".text[5].textTrans" 0;
	setAttr ".text[6].textType" 7;
	setAttr ".text[6].textStr" -type "string" "range %g-%g";
	setAttr ".text[6].textLevel" 0;
	setAttr ".text[6].textPosRel" 0;
	setAttr ".text[6].textPos" -type "float2" 12 8 ;
