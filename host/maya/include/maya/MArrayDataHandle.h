#pragma once
// Handle to an array value in a data block, with a cursor over its existing elements.
#include <maya/MArrayDataBuilder.h>
#include <maya/MDataHandle.h>
#include <maya/MStatus.h>

class MArrayDataHandle {
public:
    MArrayDataHandle(const MDataHandle& in, MStatus* ReturnStatus = NULL);
    MArrayDataHandle(const MArrayDataHandle& other);
    MArrayDataHandle& operator=(const MArrayDataHandle& other);
    ~MArrayDataHandle();

    // Value of the element under the cursor.
    MDataHandle inputValue(MStatus* ReturnStatus = NULL);
    MDataHandle outputValue(MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(MStatus* ReturnStatus = NULL);

    // Moves the cursor to the next existing element; kFailure past the end.
    MStatus next();
    unsigned int elementCount(MStatus* ReturnStatus = NULL);
    // Logical index of the element under the cursor.
    unsigned int elementIndex(MStatus* ReturnStatus = NULL);
    MStatus jumpToElement(unsigned int index);
    MStatus jumpToArrayElement(unsigned int position);
    MStatus setClean();
    MStatus setAllClean();

    MArrayDataBuilder builder(MStatus* ReturnStatus = NULL);
    // Replaces the whole array with the builder's elements.
    MStatus set(MArrayDataBuilder& builder);

private:
    friend struct MDataHandleAccess;
    MArrayDataHandle();
    void* fArray;           // the array value
    void* fNode;            // the node owning the data block
    void* fAttr;            // the array attribute
    unsigned int fPosition; // physical position of the cursor
    bool fWritable;
};
