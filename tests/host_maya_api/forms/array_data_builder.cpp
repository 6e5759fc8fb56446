// MArrayDataBuilder: the constructor without a data block is deprecated.
#include <maya/MArrayDataBuilder.h>
#include <maya/MDataBlock.h>

void arrayDataBuilder(MDataBlock& block, const MObject& attribute) {
    MArrayDataBuilder built(&block, attribute, 3);
    (void)built.addElement(0);
#if DEPRECATED_FORM == 1
    MArrayDataBuilder old(attribute, 3);
#endif
}
