#include "settingsTable.h"

#include <cstdio>

namespace quillomar::contour {

namespace {

SettingsTable table;

} // namespace

SettingsTable& settingsTable() {
    return table;
}

SettingsTable::~SettingsTable() {
    for (std::atomic<Entry*>& slot : slots_) {
        delete slot.load(std::memory_order_relaxed);
    }
}

ContourSettings& SettingsTable::lookUp(miSshort thread) {
    std::atomic<Entry*>& slot = slots_[static_cast<miUshort>(thread)];
    Entry* entry = slot.load(std::memory_order_acquire);
    if (entry != nullptr) {
        return entry->settings;
    }
    Entry* inserted = new Entry{};
    std::snprintf(inserted->key, sizeof inserted->key, "%d", static_cast<int>(thread));
    if (slot.compare_exchange_strong(entry, inserted, std::memory_order_acq_rel,
                                     std::memory_order_acquire)) {
        return inserted->settings;
    }
    delete inserted; // another thread with the same number got there first
    return entry->settings;
}

} // namespace quillomar::contour
