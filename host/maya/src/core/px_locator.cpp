// MPxLocatorNode: base behaviour of plug-in locators and their inherited attributes.
#include <maya/MPxLocatorNode.h>

MObject MPxLocatorNode::localPosition;
MObject MPxLocatorNode::localPositionX;
MObject MPxLocatorNode::localPositionY;
MObject MPxLocatorNode::localPositionZ;
MObject MPxLocatorNode::worldPosition;
MObject MPxLocatorNode::worldPositionX;
MObject MPxLocatorNode::worldPositionY;
MObject MPxLocatorNode::worldPositionZ;
MObject MPxLocatorNode::localScale;
MObject MPxLocatorNode::localScaleX;
MObject MPxLocatorNode::localScaleY;
MObject MPxLocatorNode::localScaleZ;
MObject MPxLocatorNode::visibility;
MObject MPxLocatorNode::intermediateObject;
MObject MPxLocatorNode::isTemplated;
MObject MPxLocatorNode::matrix;
MObject MPxLocatorNode::inverseMatrix;
MObject MPxLocatorNode::worldMatrix;
MObject MPxLocatorNode::worldInverseMatrix;
MObject MPxLocatorNode::parentMatrix;
MObject MPxLocatorNode::parentInverseMatrix;

MPxLocatorNode::MPxLocatorNode() = default;
MPxLocatorNode::~MPxLocatorNode() = default;

MPxNode::Type MPxLocatorNode::type() const {
    return kLocatorNode;
}

void MPxLocatorNode::draw(M3dView&, const MDagPath&, M3dView::DisplayStyle,
                          M3dView::DisplayStatus) {}

bool MPxLocatorNode::isBounded() const {
    return false;
}
MBoundingBox MPxLocatorNode::boundingBox() const {
    return MBoundingBox();
}
bool MPxLocatorNode::excludeAsLocator() const {
    return true;
}
bool MPxLocatorNode::isTransparent() const {
    return false;
}
bool MPxLocatorNode::drawLast() const {
    return false;
}
bool MPxLocatorNode::useClosestPointForSelection() const {
    return false;
}
MPoint MPxLocatorNode::closestPoint(MPoint cursorRayPoint, MVector) const {
    return cursorRayPoint;
}

namespace {

// The host's colour table entries for locators, by display status.
struct StatusColor {
    unsigned int index;
    MColor rgb;
};

StatusColor statusColor(M3dView::DisplayStatus status) {
    switch (status) {
    case M3dView::kActive:
        return {19, MColor(1.0f, 1.0f, 1.0f)};
    case M3dView::kLead:
        return {18, MColor(67.0f / 255.0f, 1.0f, 163.0f / 255.0f)};
    case M3dView::kHilite:
        return {17, MColor(1.0f, 0.25f, 1.0f)};
    case M3dView::kTemplate:
    case M3dView::kActiveTemplate:
        return {3, MColor(0.47f, 0.47f, 0.47f)};
    default:
        return {12, MColor(0.0f, 0.016f, 0.376f)};
    }
}

} // namespace

unsigned int MPxLocatorNode::color(M3dView::DisplayStatus displayStatus) {
    return statusColor(displayStatus).index;
}

MColor MPxLocatorNode::colorRGB(M3dView::DisplayStatus displayStatus) {
    return statusColor(displayStatus).rgb;
}
