// The settings table on its own: keys, first look-ups, and many threads looking up and storing
// at once (run under ThreadSanitizer with the label "concurrency").
#include "contour/settingsTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

using quillomar::contour::ContourSettings;
using quillomar::contour::SettingsTable;

bool allZero(const ContourSettings& s) {
    const ContourSettings zero{};
    return std::memcmp(&s, &zero, sizeof s) == 0;
}

TEST(SettingsTable, FirstLookUpInsertsZerosUnderTheThreadNumbersText) {
    auto table = std::make_unique<SettingsTable>();
    EXPECT_TRUE(table->keys().empty());
    ContourSettings& first = table->lookUp(7);
    EXPECT_TRUE(allZero(first));
    first.widthMax = 3.0f;
    ContourSettings& negative = table->lookUp(-32768);
    EXPECT_TRUE(allZero(negative));
    table->lookUp(32767);
    table->lookUp(-1);
    EXPECT_TRUE(allZero(table->lookUp(0)));
    EXPECT_EQ(table->keys(), (std::vector<std::string>{"0", "7", "32767", "-32768", "-1"}));
    // The same key gives the same record, holding what was stored.
    EXPECT_EQ(&table->lookUp(7), &first);
    EXPECT_EQ(table->lookUp(7).widthMax, 3.0f);
}

TEST(SettingsTable, EightThreadsLookUpAndStoreAtOnce) {
    auto table = std::make_unique<SettingsTable>();
    constexpr int kThreads = 8;
    constexpr int kRounds = 20000;
    std::atomic<int> ready{0};
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const miSshort number = static_cast<miSshort>(t % 2 == 0 ? t : -t);
            ++ready;
            while (ready < kThreads) {
                std::this_thread::yield(); // start together, so first look-ups meet
            }
            if (!allZero(table->lookUp(number))) {
                ++wrong;
            }
            for (int round = 0; round < kRounds; ++round) {
                ContourSettings& mine = table->lookUp(number);
                mine.widthMin = static_cast<float>(t);
                mine.widthMax = static_cast<float>(round);
                const ContourSettings& again = table->lookUp(number);
                if (again.widthMin != static_cast<float>(t) ||
                    again.widthMax != static_cast<float>(round)) {
                    ++wrong;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(table->keys(),
              (std::vector<std::string>{"0", "2", "4", "6", "-7", "-5", "-3", "-1"}));
}

} // namespace
