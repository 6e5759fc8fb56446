#pragma once
// A node's data, as seen from compute. Not constructible by plug-ins.
#include <maya/MArrayDataHandle.h>
#include <maya/MDGContext.h>
#include <maya/MDataHandle.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

class MPlug;

class MDataBlock {
public:
    MDataBlock(const MDataBlock& in);
    MDataBlock& operator=(const MDataBlock& in);
    virtual ~MDataBlock();

    // Read access: a connected input is pulled from its source (computing it when dirty);
    // an unconnected one gives the value it was set to, or the default.
    MDataHandle inputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MDataHandle inputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    // Write access, without evaluation.
    MDataHandle outputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MDataHandle outputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(const MObject& attribute, MStatus* ReturnStatus = NULL);

    MStatus setClean(const MPlug& plug);
    MStatus setClean(const MObject& attribute);
    bool isClean(const MPlug& plug);
    bool isClean(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MDGContext context(MStatus* ReturnStatus = NULL);
    MStatus setContext(const MDGContext& ctx);

private:
    friend struct MDataHandleAccess;
    MDataBlock(void* node);
    void* fNode; // the node this block belongs to
};
