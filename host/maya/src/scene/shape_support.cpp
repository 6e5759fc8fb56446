#include "scene/shape_support.h"

#include "scene/dag.h"
#include "scene/geometry_data.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

namespace scene {

MObject createGeometryAttribute(const char* longName, const char* shortName, MFnData::Type type,
                                bool output, bool array) {
    MFnTypedAttribute fn;
    MObject attribute = fn.create(longName, shortName, type);
    fn.setStorable(!output);
    fn.setWritable(true);
    fn.setArray(array);
    if (array)
        fn.setUsesArrayDataBuilder(true);
    return attribute;
}

MObject createNumericArray(const char* longName, const char* shortName,
                           std::initializer_list<const char*> children, MFnNumericData::Type type) {
    MFnNumericAttribute fn;
    std::vector<MObject> kids;
    for (const char* child : children)
        kids.push_back(fn.create(child, child, type, 0.0));
    MObject parent = kids.size() == 2 ? fn.create(longName, shortName, kids[0], kids[1])
                                      : fn.create(longName, shortName, kids[0], kids[1], kids[2]);
    fn.setArray(true);
    fn.setUsesArrayDataBuilder(true);
    return parent;
}

namespace {

void setMatrix(const MObject& data, const MMatrix& matrix) {
    if (auto* mesh = mcore::dataObject<MeshData>(data))
        mesh->matrix = matrix;
    else if (auto* curve = mcore::dataObject<CurveData>(data))
        curve->matrix = matrix;
}

} // namespace

void installWorldGeometry(const MObject& worldAttribute, const MObject& localAttribute) {
    mcore::setHostEvaluator(worldAttribute, [localAttribute](const MPlug& plug, MDataBlock& block) {
        MObject node = plug.node();
        MObject world = mcore::cloneData(MPlug(node, localAttribute).asMObject());
        if (world.isNull())
            return MStatus(MS::kFailure);
        setMatrix(world, pathMatrix(dagPathTo(node)));
        MArrayDataHandle array = block.outputArrayValue(plug.attribute());
        MArrayDataBuilder builder = array.builder();
        builder.addElement(0).set(world);
        array.set(builder);
        return MStatus(MS::kSuccess);
    });
}

} // namespace scene
