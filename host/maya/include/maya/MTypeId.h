#pragma once
// Node and data type identifier.
#include <maya/MStatus.h>

class MTypeId {
public:
    MTypeId() : fId(0) {}
    MTypeId(const MTypeId& other) = default;
    MTypeId(unsigned int id) : fId(id) {}
    // prefix fills the upper 24 bits, id the lower 8; higher bits are ignored.
    MTypeId(unsigned int prefix, unsigned int id)
        : fId(((prefix & 0xFFFFFFu) << 8) | (id & 0xFFu)) {}
    MTypeId& operator=(const MTypeId& other) = default;

    unsigned int id(MStatus* ReturnStatus = NULL) const {
        if (ReturnStatus)
            *ReturnStatus = MS::kSuccess;
        return fId;
    }
    bool operator==(const MTypeId& rhs) const { return fId == rhs.fId; }
    bool operator!=(const MTypeId& rhs) const { return fId != rhs.fId; }

private:
    unsigned int fId;
};
