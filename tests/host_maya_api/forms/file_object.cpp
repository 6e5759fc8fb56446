// MFileObject: exists() is not const; setFullName, fullName, name and path are deprecated.
#include <maya/MFileObject.h>

void fileObject(MFileObject& file, const MFileObject& constant) {
    file.setRawFullName("/a/b.ma");
    (void)file.exists();
    (void)file.resolvedFullName();
    (void)constant.rawPath();
#if REJECTED_FORM == 1
    (void)constant.exists();
#endif
#if DEPRECATED_FORM == 1
    file.setFullName("/a/b.ma");
#elif DEPRECATED_FORM == 2
    (void)file.fullName();
#elif DEPRECATED_FORM == 3
    (void)file.name();
#elif DEPRECATED_FORM == 4
    (void)file.path();
#endif
}
