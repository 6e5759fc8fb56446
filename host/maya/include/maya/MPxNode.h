#pragma once
// Base class of plug-in dependency nodes.
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

class MDataBlock;
class MDataHandle;
class MDGContext;
class MPlug;
class MPlugArray;

class MPxNode {
public:
    enum Type {
        kDependNode,
        kLocatorNode,
        kDeformerNode,
        kManipContainer,
        kSurfaceShape,
        kFieldNode,
        kEmitterNode,
        kSpringNode,
        kIkSolverNode,
        kHardwareShader,
        kHwShaderNode,
        kTransformNode,
        kObjectSet,
        kFluidEmitterNode,
        kImagePlaneNode,
        kParticleAttributeMapperNode,
        kCameraSetNode,
        kConstraintNode,
        kManipulatorNode,
        kMotionPathNode,
        kClientDeviceNode,
        kThreadedDeviceNode,
        kAssembly,
        kSkinCluster,
        kGeometryFilter,
        kBlendShape,
        kLast
    };
    enum SchedulingType {
        kParallel,
        kSerial,
        kGloballySerial,
        kUntrusted,
        kDefaultScheduling = kSerial,
        kSerialize = kSerial,
        kGloballySerialize = kGloballySerial
    };

    MPxNode();
    virtual ~MPxNode();

    // Called once the node exists in the graph (thisMObject() is valid from here on).
    virtual void postConstructor();
    // Computes `plug` into the data block; kUnknownParameter for plugs the node does not make.
    virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);
    // Internal attributes: return true when the node handled the value itself; false lets the
    // host keep it in the data block. The host calls the context forms, whose defaults call the
    // context-free ones; override one generation only.
    virtual bool getInternalValue(const MPlug& plug, MDataHandle& dataHandle);
    virtual bool setInternalValue(const MPlug& plug, const MDataHandle& dataHandle);
    OPENMAYA_DEPRECATED(2018, "Override getInternalValue instead.")
    virtual bool getInternalValueInContext(const MPlug& plug, MDataHandle& dataHandle,
                                           MDGContext& ctx);
    OPENMAYA_DEPRECATED(2018, "Override setInternalValue instead.")
    virtual bool setInternalValueInContext(const MPlug& plug, const MDataHandle& dataHandle,
                                           MDGContext& ctx);
    virtual int internalArrayCount(const MPlug& plug) const;
    virtual void copyInternalData(MPxNode* node);
    virtual MStatus connectionMade(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
    virtual MStatus connectionBroken(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
    virtual MStatus dependsOn(const MPlug& plug, const MPlug& otherPlug, bool& depends) const;
    // Called for each plug of this node being dirtied; plugs appended to plugArray are dirtied
    // too.
    virtual MStatus setDependentsDirty(const MPlug& plug, MPlugArray& plugArray);
    virtual MPxNode::Type type() const;
    virtual SchedulingType schedulingType() const;

    MObject thisMObject() const;
    MTypeId typeId() const;
    MString typeName() const;
    MString name() const;

    // Only valid inside the initialize function of the type being registered.
    static MStatus addAttribute(const MObject& attr);
    static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected);
    static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected,
                                    bool affectsTopology);

private:
    friend struct MPxNodeAccess;
    MPxNode(const MPxNode&) = delete;
    MPxNode& operator=(const MPxNode&) = delete;
    void* instance; // the host node this object belongs to
};
