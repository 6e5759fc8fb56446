#pragma once
// A path from the world root to a DAG node.
#include <maya/MFn.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class MDagPath {
public:
    MDagPath();
    MDagPath(const MDagPath& src);
    MDagPath& operator=(const MDagPath& src);
    virtual ~MDagPath();

    bool hasFn(MFn::Type type, MStatus* ReturnStatus = nullptr) const;
    MFn::Type apiType(MStatus* ReturnStatus = nullptr) const;
    bool isValid(MStatus* ReturnStatus = nullptr) const;
    MObject node(MStatus* ReturnStatus = nullptr) const;
    // The lowest transform on the path.
    MObject transform(MStatus* ReturnStatus = nullptr) const;
    // Number of nodes on the path, the world root excluded.
    unsigned int length(MStatus* ReturnStatus = nullptr) const;
    MStatus extendToShape();
    MStatus extendToShapeDirectlyBelow(unsigned int index);
    MStatus numberOfShapesDirectlyBelow(unsigned int& num) const;
    MStatus push(const MObject& child);
    MStatus pop(unsigned int num = 1);
    unsigned int childCount(MStatus* ReturnStatus = nullptr) const;
    MObject child(unsigned int i, MStatus* ReturnStatus = nullptr) const;
    MStatus getPath(MDagPath& path, unsigned int i = 0) const;

    // Product of the transforms on the path including (inclusive) or excluding (exclusive)
    // the last node.
    MMatrix inclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    MMatrix exclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    MMatrix inclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;
    MMatrix exclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;

    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;
    bool isTemplated(MStatus* ReturnStatus = nullptr) const;
    bool isVisible(MStatus* ReturnStatus = nullptr) const;
    bool isInstanced(MStatus* ReturnStatus = nullptr) const;
    unsigned int instanceNumber(MStatus* ReturnStatus = nullptr) const;

    bool operator==(const MDagPath& other) const;

    static MStatus getAPathTo(const MObject& node, MDagPath& path);
    OPENMAYA_DEPRECATED(2019, "Use getAPathTo(const MObject&, MDagPath&) instead.")
    static MDagPath getAPathTo(const MObject& node, MStatus* ReturnStatus = nullptr);

private:
    void* fPtr; // the nodes on the path, root first
};
