#pragma once
// Evaluation context: "normal" (current time) or a specific time.
#include <maya/MStatus.h>
#include <maya/MTime.h>

class MDGContext {
public:
    MDGContext();
    MDGContext(const MTime& when);
    MDGContext(const MDGContext& in);
    ~MDGContext();
    MDGContext& operator=(const MDGContext& other);

    bool isNormal(MStatus* ReturnStatus = NULL) const;
    MStatus getTime(MTime& outTime) const;
    bool isCurrent(MStatus* ReturnStatus = NULL) const;
    static const MDGContext current();

    static MDGContext fsNormal;

private:
    bool fNormal;
    MTime fTime;
};
