#pragma once
// Collects the elements of a new array value; MArrayDataHandle::set replaces the array with them.
#include <maya/MDataHandle.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

class MArrayDataHandle;
class MDataBlock;

class MArrayDataBuilder {
public:
    MArrayDataBuilder(MDataBlock* block, const MObject& attribute, unsigned int numElements,
                      MStatus* ReturnStatus = NULL);
    OPENMAYA_DEPRECATED(2019, "Use the constructor that takes the data block.")
    MArrayDataBuilder(const MObject& attribute, unsigned int numElements,
                      MStatus* ReturnStatus = NULL);
    MArrayDataBuilder(const MArrayDataBuilder& other);
    MArrayDataBuilder& operator=(const MArrayDataBuilder& other);
    ~MArrayDataBuilder();

    // The element of logical index `index` (created when missing).
    MDataHandle addElement(unsigned int index, MStatus* ReturnStatus = NULL);
    // A new element after the highest logical index.
    MDataHandle addLast(MStatus* ReturnStatus = NULL);
    MArrayDataHandle addElementArray(unsigned int index, MStatus* ReturnStatus = NULL);
    MArrayDataHandle addLastArray(MStatus* ReturnStatus = NULL);
    MStatus removeElement(unsigned int index);
    unsigned int elementCount(MStatus* ReturnStatus = NULL) const;
    MStatus growArray(unsigned int amount);
    MStatus setGrowSize(unsigned int size);

private:
    friend struct MDataHandleAccess;
    friend class MArrayDataHandle;
    MArrayDataBuilder();
    void start(const MObject& attribute, MStatus* ReturnStatus);
    void* fArray; // the builder's own array value
    void* fNode;  // the node whose data block the result goes to
    void* fAttr;  // the array attribute
};
