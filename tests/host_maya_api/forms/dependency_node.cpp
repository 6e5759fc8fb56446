// MFnDependencyNode: findPlug without wantNetworkedPlug is deprecated.
#include <maya/MFnDependencyNode.h>

void dependencyNode(const MFnDependencyNode& fn, const MObject& attribute) {
    MStatus status;
    (void)fn.findPlug(attribute, true);
    (void)fn.findPlug("name", false, &status);
#if DEPRECATED_FORM == 1
    (void)fn.findPlug(attribute);
#elif DEPRECATED_FORM == 2
    (void)fn.findPlug("name");
#elif DEPRECATED_FORM == 3
    (void)fn.findPlug(attribute, &status);
#endif
}
