#include "scene/geometry_data.h"

namespace scene {

MObject newMeshData(const MeshGeometry& mesh, const MMatrix& matrix) {
    auto data = std::make_shared<MeshData>();
    data->mesh = mesh;
    data->matrix = matrix;
    return mcore::makeDataObject(data);
}

MObject newCurveData(const CurveGeometry* curve, const MMatrix& matrix) {
    auto data = std::make_shared<CurveData>();
    if (curve) {
        data->curve = *curve;
        data->valid = true;
    }
    data->matrix = matrix;
    return mcore::makeDataObject(data);
}

} // namespace scene
