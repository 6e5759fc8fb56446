#pragma once
// Function set of cameras (attach to the camera shape or to a path ending at it or its
// transform).
#include <maya/MFloatMatrix.h>
#include <maya/MFnDagNode.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

class MFnCamera : public MFnDagNode {
public:
    enum FilmFit { kFillFilmFit, kHorizontalFilmFit, kVerticalFilmFit, kOverscanFilmFit, kInvalid };
    enum RollOrder { kRotateTranslate, kTranslateRotate };

    MFnCamera();
    MFnCamera(MObject& object, MStatus* ReturnStatus = NULL);
    MFnCamera(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnCamera(const MDagPath& path, MStatus* ReturnStatus = NULL);
    virtual ~MFnCamera();
    MFn::Type type() const override;
    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    MPoint eyePoint(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    MVector viewDirection(MSpace::Space space = MSpace::kObject,
                          MStatus* ReturnStatus = NULL) const;
    MVector upDirection(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    bool isOrtho(MStatus* ReturnStatus = NULL) const;
    double orthoWidth(MStatus* ReturnStatus = NULL) const;
    double overscan(MStatus* ReturnStatus = NULL) const;
    double nearClippingPlane(MStatus* ReturnStatus = NULL) const;
    double farClippingPlane(MStatus* ReturnStatus = NULL) const;
    // Film aperture in inches.
    double horizontalFilmAperture(MStatus* ReturnStatus = NULL) const;
    double verticalFilmAperture(MStatus* ReturnStatus = NULL) const;
    double aspectRatio(MStatus* ReturnStatus = NULL) const;
    FilmFit filmFit(MStatus* ReturnStatus = NULL) const;
    double lensSqueezeRatio(MStatus* ReturnStatus = NULL) const;
    // Focal length in millimetres.
    double focalLength(MStatus* ReturnStatus = NULL) const;
    double horizontalFieldOfView(MStatus* ReturnStatus = NULL) const;
    double verticalFieldOfView(MStatus* ReturnStatus = NULL) const;
    MFloatMatrix projectionMatrix(MStatus* ReturnStatus = NULL) const;
};
