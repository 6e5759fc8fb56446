// MPlug: child and operator[] take a non-const attribute (MObject::kNullObj is not const, so it
// binds); evaluateNumElements is not const; no assignment from an attribute; the context forms
// of getValue are deprecated.
#include <maya/MDGContext.h>
#include <maya/MPlug.h>

unsigned int plug(MPlug& plug, const MPlug& constant, MObject& attribute,
                  const MObject& constAttribute) {
    (void)plug.child(attribute);
    (void)constant.child(attribute);
    (void)plug.child(MObject::kNullObj);
    (void)plug[attribute];
    (void)plug[0];
    (void)(plug == constAttribute);
    plug = constant;
    float value = 0.0f;
    plug.getValue(value);
#if REJECTED_FORM == 1
    (void)plug.child(constAttribute);
#elif REJECTED_FORM == 2
    (void)plug[constAttribute];
#elif REJECTED_FORM == 3
    (void)constant.evaluateNumElements();
#elif REJECTED_FORM == 4
    plug = constAttribute;
#elif REJECTED_FORM == 5
    plug = attribute;
#elif REJECTED_FORM == 6
    (void)plug.child(MObject());
#endif
#if DEPRECATED_FORM == 1
    MDGContext context;
    plug.getValue(value, context);
#endif
    return plug.evaluateNumElements() + constant.numElements();
}
