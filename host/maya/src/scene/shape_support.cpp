#include "scene/shape_support.h"

#include "scene/dag.h"
#include "scene/geometry_data.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
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
