#pragma once
// Data kinds of mesh history that Maya's API has no data type for, so the attributes holding
// them take any data: one face of a mesh's stored face list (an element of "face"), and a
// component list ("f[0:113]" ...) a history node works on.
#include "core/internal.h"
#include "scene/mesh_components.h"

#include <memory>
#include <string>
#include <vector>

namespace scene {

class PolyFaceData : public mcore::DataObject {
public:
    PolyFace face;

    // Maya's API has no data type for it; the "face" attribute takes any data.
    MFnData::Type dataType() const override { return MFnData::kAny; }
    MFn::Type apiType() const override { return MFn::kData; }
    std::shared_ptr<mcore::DataObject> clone() const override {
        return std::make_shared<PolyFaceData>(*this);
    }
};

inline MObject newPolyFaceData(const PolyFace& face) {
    auto data = std::make_shared<PolyFaceData>();
    data->face = face;
    return mcore::makeDataObject(data);
}

class ComponentListData : public mcore::DataObject {
public:
    std::vector<std::string> items;

    MFnData::Type dataType() const override { return MFnData::kAny; }
    MFn::Type apiType() const override { return MFn::kData; }
    std::shared_ptr<mcore::DataObject> clone() const override {
        return std::make_shared<ComponentListData>(*this);
    }
};

inline MObject newComponentListData(std::vector<std::string> items) {
    auto data = std::make_shared<ComponentListData>();
    data->items = std::move(items);
    return mcore::makeDataObject(data);
}

} // namespace scene
