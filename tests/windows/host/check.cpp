#include "check.h"

#include <cstdio>

namespace {
int checks = 0;
int failures = 0;
} // namespace

void check(bool holds, const std::string& what) {
    ++checks;
    if (!holds) {
        ++failures;
        std::printf("FAILED: %s\n", what.c_str());
        std::fflush(stdout);
    }
}

int failureCount() {
    return failures;
}

int finish(const char* program) {
    std::printf("%s: %d checks, %d failed\n", program, checks, failures);
    return failures == 0 ? 0 : 1;
}
