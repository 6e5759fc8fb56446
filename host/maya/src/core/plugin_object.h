#pragma once
// The host object behind a plug-in's MObject.
#include "object.h"

#include <maya/MStatus.h>

#include <string>

namespace mcore {

class PluginObject : public Object {
public:
    std::vector<MFn::Type> fnTypes() const override { return {MFn::kPlugin}; }

    std::string path;
    std::string name;
    std::string vendor = "Unknown";
    std::string version = "Unknown";
    std::string apiVersion; // the MApiVersion string the library exports
    void* handle = nullptr;
    MStatus (*initialize)(MObject) = nullptr;
    MStatus (*uninitialize)(MObject) = nullptr;
};

} // namespace mcore
