//Maya ASCII 2019 scene
requires maya "2019";
createNode transform -n "pCube1";
createNode mesh -n "pCubeShape1" -p "pCube1";
	setAttr -k off ".v";
	setAttr ".vir" yes;
createNode polyCube -n "polyCube1";
	setAttr ".w" 2;
	setAttr ".sw" 3;
connectAttr "polyCube1.out" "pCubeShape1.i";
createNode transform -n "curve1";
createNode nurbsCurve -n "curveShape1" -p "curve1";
	setAttr ".cc" -type "nurbsCurve"
		3 1 0 no 3
		6 0 0 0 1 1 1
		4
		0 0 0
		1 1 0
		2 -1 0
		3 0 0
		;
createNode sign -n "sign1" -p "curve1";
	setAttr ".typ" 13;
connectAttr "curveShape1.local" "sign1.ic[0]";
select -r sign1;
