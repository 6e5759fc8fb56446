#pragma once
// Function set of dependency nodes: name, type, attributes and plugs.
#include <maya/MFnBase.h>
#include <maya/MPlug.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

class MPxNode;

class MFnDependencyNode : public MFnBase {
public:
    enum MAttrClass { kLocalDynamicAttr = 1, kNormalAttr, kExtensionAttr, kInvalidAttr };

    MFnDependencyNode();
    MFnDependencyNode(MObject& object, MStatus* ReturnStatus = NULL);
    MFnDependencyNode(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnDependencyNode();
    MFn::Type type() const override;

    // Creates a node of a registered type; the name defaults to the type name plus a number.
    MObject create(const MTypeId& typeId, MStatus* ReturnStatus = NULL);
    MObject create(const MTypeId& typeId, const MString& name, MStatus* ReturnStatus = NULL);
    MObject create(const MString& type, MStatus* ReturnStatus = NULL);
    MObject create(const MString& type, const MString& name, MStatus* ReturnStatus = NULL);

    MString name(MStatus* ReturnStatus = NULL) const;
    MString absoluteName(MStatus* ReturnStatus = NULL) const;
    // Renames the node; a taken name gets a number appended.
    MString setName(const MString& name, bool createNamespace = false,
                    MStatus* ReturnStatus = NULL);
    MTypeId typeId(MStatus* ReturnStatus = NULL) const;
    MString typeName(MStatus* ReturnStatus = NULL) const;
    MPxNode* userNode(MStatus* ReturnStatus = NULL) const;
    bool isFromReferencedFile(MStatus* ReturnStatus = NULL) const;

    unsigned int attributeCount(MStatus* ReturnStatus = NULL) const;
    MObject attribute(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MObject attribute(const MString& attrName, MStatus* ReturnStatus = NULL) const;
    MAttrClass attributeClass(const MObject& attr, MStatus* ReturnStatus = NULL) const;
    bool hasAttribute(const MString& name, MStatus* ReturnStatus = NULL) const;
    // Adds a dynamic attribute to this node only.
    MStatus addAttribute(const MObject& attr);
    MStatus addAttribute(const MObject& attr, MAttrClass type);
    MStatus removeAttribute(const MObject& attr);

    MPlug findPlug(const MObject& attr, bool wantNetworkedPlug, MStatus* ReturnStatus = NULL) const;
    MPlug findPlug(const MString& attrName, bool wantNetworkedPlug,
                   MStatus* ReturnStatus = NULL) const;
    OPENMAYA_DEPRECATED(2019, "Use findPlug(attr, wantNetworkedPlug, ReturnStatus) instead.")
    MPlug findPlug(const MObject& attr, MStatus* ReturnStatus = NULL) const;
    OPENMAYA_DEPRECATED(2019, "Use findPlug(attrName, wantNetworkedPlug, ReturnStatus) instead.")
    MPlug findPlug(const MString& attrName, MStatus* ReturnStatus = NULL) const;
    MStatus getConnections(MPlugArray& array) const;

    static MString classification(const MString& nodeTypeName);
};
