#pragma once
// Axis-aligned box. The empty box has both corners at the origin.
#include <maya/MPoint.h>
#include <maya/MStatus.h>

class MMatrix;

class MBoundingBox {
public:
    MBoundingBox();
    MBoundingBox(const MBoundingBox& src) = default;
    // The box containing both points, whatever their order.
    MBoundingBox(const MPoint& corner1, const MPoint& corner2);
    ~MBoundingBox() = default;
    MBoundingBox& operator=(const MBoundingBox& other) = default;

    void clear();
    void transformUsing(const MMatrix& matrix);
    void expand(const MPoint& point);
    void expand(const MBoundingBox& box);
    bool contains(const MPoint& point) const;
    bool intersects(const MBoundingBox& box, double tol = 0.0) const;
    double width() const;
    double height() const;
    double depth() const;
    MPoint center() const;
    MPoint min() const;
    MPoint max() const;

private:
    MPoint fMin;
    MPoint fMax;
    bool fEmpty;
};
