#include <maya/MFnNurbsCurve.h>

#include "scene/builtin_curve.h"
#include "scene/curve_interpolation.h"
#include "scene/geometry_access.h"
#include "scene/geometry_data.h"
#include "scene/node_factory.h"

using scene::CurveData;
using scene::CurveGeometry;

namespace {

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

scene::ShapeGeometryAttributes curveAttributes() {
    return {scene::CurveShape::local, scene::CurveShape::cached, scene::CurveShape::create};
}

struct CurveView {
    MObject holder;
    const CurveData* data = nullptr;
    MMatrix world;

    CurveView(const MObject& object, const MDagPath& path) {
        data = scene::readGeometry<CurveData>(object, curveAttributes(), holder);
        if (data && !data->valid)
            data = nullptr;
        world = scene::geometryWorldMatrix(object, path, data);
    }
    const CurveGeometry* curve() const { return data ? &data->curve : nullptr; }
};

int fileForm(MFnNurbsCurve::Form form) {
    switch (form) {
    case MFnNurbsCurve::kOpen:
        return CurveGeometry::kOpen;
    case MFnNurbsCurve::kClosed:
        return CurveGeometry::kClosed;
    case MFnNurbsCurve::kPeriodic:
        return CurveGeometry::kPeriodic;
    default:
        return -1;
    }
}

} // namespace

MFnNurbsCurve::MFnNurbsCurve() = default;
MFnNurbsCurve::MFnNurbsCurve(MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
MFnNurbsCurve::MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus,
           scene::attachGeometryPath<CurveData>(path, MFn::kNurbsCurve, fObject, fPath));
}
MFnNurbsCurve::~MFnNurbsCurve() = default;

MFn::Type MFnNurbsCurve::type() const {
    return MFn::kNurbsCurve;
}

MStatus MFnNurbsCurve::setObject(MObject& object) {
    return setObject(static_cast<const MObject&>(object));
}

// A curve shape or curve data.
MStatus MFnNurbsCurve::setObject(const MObject& object) {
    return scene::attachGeometry<CurveData>(object, MFn::kNurbsCurve, fObject, fPath);
}

namespace {

// Puts a finished curve into curve data, a new shape under a transform, or a new shape with
// its own transform; returns what create() returns and attaches `fn` to the curve.
MObject placeCurve(MFnNurbsCurve& fn, const CurveGeometry& curve, const MObject& parentOrOwner,
                   MStatus* ReturnStatus) {
    if (!curve.validate().empty()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    if (auto* owner = mcore::dataObject<CurveData>(parentOrOwner)) {
        owner->curve = curve;
        owner->valid = true;
        fn.setObject(parentOrOwner);
        report(ReturnStatus, MS::kSuccess);
        return parentOrOwner;
    }
    scene::CreatedNode created;
    std::string error;
    MStatus status = scene::createNodeOfType("nurbsCurve", "", parentOrOwner, created, error);
    if (status) {
        MObject data = scene::newCurveData(&curve);
        status = MPlug(created.node, scene::CurveShape::cached).setValue(data);
    }
    report(ReturnStatus, status);
    if (!status)
        return MObject();
    fn.setObject(created.node);
    return created.transform.isNull() ? created.node : created.transform;
}

} // namespace

// An empty knot sequence gets uniform knots (clamped at the ends of an open curve).
MObject MFnNurbsCurve::create(const MPointArray& controlVertices, const MDoubleArray& knotSequences,
                              unsigned int degree, Form form, bool create2D, bool createRational,
                              const MObject& parentOrOwner, MStatus* ReturnStatus) {
    if (degree < 1 || degree > CurveGeometry::kMostDegree) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    CurveGeometry curve;
    curve.degree = static_cast<int>(degree);
    curve.form = fileForm(form);
    curve.rational = createRational;
    for (unsigned int i = 0; i < controlVertices.length(); ++i) {
        const MPoint& p = controlVertices[i];
        curve.cvs.push_back({p.x, p.y, create2D ? 0.0 : p.z, createRational ? p.w : 1.0});
    }
    for (unsigned int i = 0; i < knotSequences.length(); ++i)
        curve.knots.push_back(knotSequences[i]);
    if (curve.knots.empty())
        curve.knots = CurveGeometry::defaultKnots(static_cast<int>(curve.cvs.size()), curve.degree,
                                                  curve.form);
    return placeCurve(*this, curve, parentOrOwner, ReturnStatus);
}

MObject MFnNurbsCurve::createWithEditPoints(const MPointArray& editPoints, unsigned int degree,
                                            Form form, bool create2D, bool createRational,
                                            bool uniformParam, const MObject& parentOrOwner,
                                            MStatus* ReturnStatus) {
    std::vector<scene::Vec3> points;
    for (unsigned int i = 0; i < editPoints.length(); ++i)
        points.push_back({editPoints[i].x, editPoints[i].y, create2D ? 0.0 : editPoints[i].z});
    CurveGeometry curve;
    if (fileForm(form) != CurveGeometry::kOpen ||
        !scene::interpolateCurve(points, static_cast<int>(degree), uniformParam, curve)) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    curve.rational = createRational;
    return placeCurve(*this, curve, parentOrOwner, ReturnStatus);
}

MStatus MFnNurbsCurve::getCVs(MPointArray& array, MSpace::Space space) const {
    CurveView view(fObject, fPath);
    if (!view.curve())
        return MS::kFailure;
    array.setLength(static_cast<unsigned int>(view.curve()->cvs.size()));
    for (unsigned int i = 0; i < array.length(); ++i) {
        const auto& cv = view.curve()->cvs[i];
        MPoint p(cv[0], cv[1], cv[2], cv[3]);
        array[i] = space == MSpace::kWorld ? p * view.world : p;
    }
    return MS::kSuccess;
}

MStatus MFnNurbsCurve::setCVs(const MPointArray& array, MSpace::Space space) {
    CurveView view(fObject, fPath);
    const MMatrix toObject = view.world.inverse();
    return scene::editGeometry<CurveData>(fObject, curveAttributes(), [&](CurveData& data) {
        if (!data.valid || array.length() != data.curve.cvs.size())
            return MStatus(MS::kInvalidParameter);
        for (unsigned int i = 0; i < array.length(); ++i) {
            MPoint p = space == MSpace::kWorld ? array[i] * toObject : array[i];
            data.curve.cvs[i] = {p.x, p.y, p.z, data.curve.rational ? p.w : 1.0};
        }
        return MStatus(MS::kSuccess);
    });
}

MStatus MFnNurbsCurve::getCV(unsigned int index, MPoint& pt, MSpace::Space space) const {
    MPointArray cvs;
    MStatus status = getCVs(cvs, space);
    if (!status || index >= cvs.length())
        return MS::kInvalidParameter;
    pt = cvs[index];
    return MS::kSuccess;
}

MStatus MFnNurbsCurve::getKnots(MDoubleArray& array) const {
    CurveView view(fObject, fPath);
    if (!view.curve())
        return MS::kFailure;
    array.clear();
    for (double k : view.curve()->knots)
        array.append(k);
    return MS::kSuccess;
}

namespace {

int curveNumber(const MObject& object, const MDagPath& path, MStatus* status,
                int (*value)(const CurveGeometry&)) {
    CurveView view(object, path);
    report(status, view.curve() ? MS::kSuccess : MS::kFailure);
    return view.curve() ? value(*view.curve()) : 0;
}

} // namespace

int MFnNurbsCurve::numCVs(MStatus* ReturnStatus) const {
    return curveNumber(fObject, fPath, ReturnStatus,
                       [](const CurveGeometry& c) { return static_cast<int>(c.cvs.size()); });
}

int MFnNurbsCurve::numSpans(MStatus* ReturnStatus) const {
    return curveNumber(fObject, fPath, ReturnStatus, [](const CurveGeometry& c) {
        return static_cast<int>(c.cvs.size()) - c.degree;
    });
}

int MFnNurbsCurve::numKnots(MStatus* ReturnStatus) const {
    return curveNumber(fObject, fPath, ReturnStatus,
                       [](const CurveGeometry& c) { return static_cast<int>(c.knots.size()); });
}

int MFnNurbsCurve::degree(MStatus* ReturnStatus) const {
    return curveNumber(fObject, fPath, ReturnStatus,
                       [](const CurveGeometry& c) { return c.degree; });
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* ReturnStatus) const {
    int form = curveNumber(fObject, fPath, ReturnStatus,
                           [](const CurveGeometry& c) { return c.form + 1; });
    return form >= kOpen && form <= kPeriodic ? static_cast<Form>(form) : kInvalid;
}
