// M3dView: beginGL and endGL are deprecated in 2019.
#include <maya/M3dView.h>

void view(M3dView& view) {
    (void)view.portWidth();
#if DEPRECATED_FORM == 1
    view.beginGL();
#elif DEPRECATED_FORM == 2
    view.endGL();
#endif
}
