#include "platform_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

TEST(PlatformCalls, BehaveLikeTheWindowsRuntime) {
    EXPECT_THAT(checkPlatformCalls(), ::testing::IsEmpty());
}
