// The plug-in's environment and clock calls as built for Windows, where mingw's runtime lacks
// _dupenv_s and the fallback stands in for it.
#include "check.h"
#include "platform_checks.h"

#include <cstdio>

int main() {
    const std::vector<std::string> failures = checkPlatformCalls();
    for (const std::string& failure : failures) {
        std::printf("FAILED: %s\n", failure.c_str());
    }
    check(failures.empty(), "the environment and clock calls keep the Windows runtime's contract");
    return finish("platformCheck");
}
