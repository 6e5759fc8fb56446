// MDagPath: numberOfShapesDirectlyBelow counts into an argument and returns a status;
// getAPathTo returning the path is deprecated.
#include <maya/MDagPath.h>

MStatus dagPath(const MDagPath& path, const MObject& node) {
    unsigned int shapes = 0;
    MDagPath found;
    MDagPath::getAPathTo(node, found);
#if REJECTED_FORM == 1
    (void)path.numberOfShapesDirectlyBelow();
#endif
#if DEPRECATED_FORM == 1
    (void)MDagPath::getAPathTo(node);
#endif
    return path.numberOfShapesDirectlyBelow(shapes);
}
