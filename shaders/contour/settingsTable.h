#pragma once
// The contour settings each render thread's material left for contourStore, keyed by the thread
// number written as "%d" text.
//
// contourStore runs once per sample on every render thread, so a look-up must not make threads
// wait for each other. A thread number is a signed 16-bit value, so its key is one of 65536
// texts; the table keeps one slot per possible key. A slot is filled once, on the first look-up
// of its key, by a single compare-and-swap, and is never emptied or moved until the table is
// destroyed: no shared structure changes on a look-up, no lock is taken, and threads with
// different numbers touch different cache lines.
#include "records.h"

#include <atomic>
#include <string>
#include <vector>

namespace quillomar::contour {

class SettingsTable {
public:
    SettingsTable() = default;
    ~SettingsTable();
    SettingsTable(const SettingsTable&) = delete;
    SettingsTable& operator=(const SettingsTable&) = delete;

    // The settings stored under the thread's key; a key looked up for the first time is
    // inserted with all-zero settings. The record stays in place until the table is destroyed.
    // Each render thread reads and writes only its own number's record.
    ContourSettings& lookUp(miSshort thread);

    // The keys present, in the order of their thread numbers' slots. For inspection only:
    // kept out of the library, whose only visible symbols are the shader exports.
    std::vector<std::string> keys() const {
        std::vector<std::string> present;
        for (const std::atomic<Entry*>& slot : slots_) {
            if (const Entry* entry = slot.load(std::memory_order_acquire)) {
                present.emplace_back(entry->key);
            }
        }
        return present;
    }

private:
    static constexpr int kSlots = 1 << 16;

    struct alignas(64) Entry {
        char key[8]; // "%d" of the thread number: at most "-32768"
        ContourSettings settings;
    };

    std::atomic<Entry*> slots_[kSlots] = {};
};

// The library's table: created empty when the library loads, destroyed when it unloads.
SettingsTable& settingsTable();

} // namespace quillomar::contour
