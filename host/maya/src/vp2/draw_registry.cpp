// MDrawRegistry: draw override creators by classification.
#include "draw_registry.h"

#include <dlfcn.h>

#include <algorithm>

namespace mvp2 {
namespace {

std::vector<Registration>& all() {
    static std::vector<Registration>* registrations = new std::vector<Registration>();
    return *registrations;
}

std::function<void(Creator)>& goneHook() {
    static std::function<void(Creator)>* hook = new std::function<void(Creator)>();
    return *hook;
}

void forget(std::size_t index) {
    const Creator creator = all()[index].creator;
    all().erase(all().begin() + static_cast<std::ptrdiff_t>(index));
    if (goneHook())
        goneHook()(creator);
}

const void* moduleOf(const void* symbol) {
    Dl_info info{};
    return dladdr(symbol, &info) != 0 ? info.dli_fbase : nullptr;
}

bool serves(const std::string& registered, const std::string& classification) {
    return classification == registered ||
           (classification.size() > registered.size() &&
            classification.compare(0, registered.size(), registered) == 0 &&
            classification[registered.size()] == '/');
}

} // namespace

const std::vector<Registration>& registrations() {
    return all();
}

Creator creatorFor(const std::string& nodeClassification, std::string* matched) {
    const Registration* best = nullptr;
    std::size_t start = 0;
    while (start <= nodeClassification.size()) {
        std::size_t end = nodeClassification.find(':', start);
        if (end == std::string::npos)
            end = nodeClassification.size();
        const std::string classification = nodeClassification.substr(start, end - start);
        start = end + 1;
        if (!serves("drawdb/geometry", classification))
            continue;
        for (const Registration& registration : all())
            if (serves(registration.classification, classification) &&
                (!best || registration.classification.size() >= best->classification.size()))
                best = &registration;
    }
    if (best && matched)
        *matched = best->classification;
    return best ? best->creator : nullptr;
}

void dropRegistrationsInModuleOf(const void* symbol) {
    const void* module = moduleOf(symbol);
    if (!module)
        return;
    for (std::size_t k = all().size(); k-- > 0;)
        if (moduleOf(reinterpret_cast<const void*>(all()[k].creator)) == module)
            forget(k);
}

void setCreatorGoneHook(std::function<void(Creator)> hook) {
    goneHook() = std::move(hook);
}

} // namespace mvp2

namespace MHWRender {

MStatus MDrawRegistry::registerDrawOverrideCreator(const MString& drawClassification,
                                                   const MString& registrantId,
                                                   DrawOverrideCreator creator) {
    const std::string classification = drawClassification.asChar();
    const std::string registrant = registrantId.asChar();
    if (classification.empty() || registrant.empty() || !creator)
        return MS::kInvalidParameter;
    std::vector<mvp2::Registration>& all = mvp2::all();
    const bool taken = std::any_of(all.begin(), all.end(), [&](const mvp2::Registration& r) {
        return r.classification == classification && r.registrant == registrant;
    });
    if (taken)
        return MS::kInvalidParameter;
    all.push_back({classification, registrant, creator});
    return MS::kSuccess;
}

MStatus MDrawRegistry::deregisterDrawOverrideCreator(const MString& drawClassification,
                                                     const MString& registrantId) {
    const std::vector<mvp2::Registration>& all = mvp2::all();
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].classification == drawClassification.asChar() &&
            all[k].registrant == registrantId.asChar()) {
            mvp2::forget(k);
            return MS::kSuccess;
        }
    }
    return MS::kFailure;
}

const char* MDrawRegistry::className() {
    return "MDrawRegistry";
}

} // namespace MHWRender
