// MPxNode: the context forms of the internal-value callbacks are deprecated for plug-ins (the
// host still calls them).
#include <maya/MDGContext.h>
#include <maya/MDataHandle.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>

bool pxNode(MPxNode& node, const MPlug& plug, MDataHandle& handle) {
#if DEPRECATED_FORM == 1
    MDGContext context;
    (void)node.setInternalValueInContext(plug, handle, context);
#elif DEPRECATED_FORM == 2
    MDGContext context;
    (void)node.getInternalValueInContext(plug, handle, context);
#endif
    return node.setInternalValue(plug, handle) && node.getInternalValue(plug, handle);
}
