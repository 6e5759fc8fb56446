#pragma once
// The host side of MDrawRegistry: which draw override creator serves a node type's draw
// classification, and clean-up when a creator's plug-in goes.
#include <maya/MDrawRegistry.h>

#include <functional>
#include <string>
#include <vector>

namespace mvp2 {

using Creator = MHWRender::MDrawRegistry::DrawOverrideCreator;

struct Registration {
    std::string classification;
    std::string registrant;
    Creator creator = nullptr;
};

// In registration order.
const std::vector<Registration>& registrations();

// The creator serving a node type's classification (several may be given, separated by ':'),
// or null: only "drawdb/geometry" classifications are drawn, and the longest registered
// classification equal to one of them or to one of its "/"-prefixes wins (the latest registrant
// among equals). *matched receives that registered classification.
Creator creatorFor(const std::string& nodeClassification, std::string* matched = nullptr);

// Forgets every registration whose creator lives in the same loaded module as `symbol`: a
// plug-in that is unloaded, or whose initialization failed, must not leave creators behind.
void dropRegistrationsInModuleOf(const void* symbol);

// Called with each creator the registry forgets, so that the overrides it made are destroyed
// while their code is still loaded.
void setCreatorGoneHook(std::function<void(Creator)> hook);

} // namespace mvp2
