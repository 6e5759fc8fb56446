#pragma once
// Base class of plug-in deformers: "input" (array of inputGeometry + groupId) flows to
// "outputGeometry"; deform() is called per geometry instead of compute.
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MPxNode.h>

class MDataBlock;

class MPxGeometryFilter : public MPxNode {
public:
    MPxGeometryFilter();
    virtual ~MPxGeometryFilter();
    MPxNode::Type type() const override;

    // Copies each input geometry to the matching output element and calls deform() on it.
    MStatus compute(const MPlug& plug, MDataBlock& dataBlock) override;
    virtual MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix& mat,
                           unsigned int multiIndex);
    virtual MObject& accessoryAttribute() const;

    static MObject input;      // "input" "ip": compound array
    static MObject inputGeom;  // "inputGeometry" "ig": child of input
    static MObject groupId;    // "groupId" "gi": child of input
    static MObject outputGeom; // "outputGeometry" "og": array
    static MObject envelope;   // "envelope" "en": float, default 1, keyable
};
