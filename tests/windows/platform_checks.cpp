#include "platform_checks.h"

#include <platform.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

class Expectations {
public:
    void expect(bool holds, const std::string& what) {
        if (!holds) {
            failures.push_back(what);
        }
    }
    std::vector<std::string> failures;
};

// Empty values cannot be set through _putenv on Windows (it removes the variable), so only
// non-empty values and removal are used on both platforms.
void setVariable(const char* name, const char* value) {
#ifdef _WIN32
    std::string assignment = std::string(name) + "=" + (value != nullptr ? value : "");
    _putenv(assignment.c_str());
#else
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

void useUniversalTime() {
#ifdef _WIN32
    _putenv("TZ=GMT0");
    _tzset();
#else
    setenv("TZ", "UTC0", 1);
    tzset();
#endif
}

void checkEnvironment(Expectations& e) {
    const char* name = "QUILLOMAR_PLATFORM_USER";
    setVariable(name, "ada lovelace");
    char* value = reinterpret_cast<char*>(1);
    std::size_t size = 99;
    e.expect(platform::dupenv(&value, &size, name) == 0, "dupenv of a set variable returns 0");
    e.expect(value != nullptr && std::strcmp(value, "ada lovelace") == 0,
             "dupenv copies the value");
    e.expect(size == std::strlen("ada lovelace") + 1, "dupenv size counts the terminator");
    std::free(value);

    value = nullptr;
    e.expect(platform::dupenv(&value, nullptr, name) == 0 && value != nullptr,
             "dupenv accepts a null size");
    std::free(value);

    setVariable(name, nullptr);
    value = reinterpret_cast<char*>(1);
    size = 99;
    e.expect(platform::dupenv(&value, &size, name) == 0, "dupenv of an unset variable returns 0");
    e.expect(value == nullptr && size == 0, "dupenv of an unset variable gives null and size 0");

    e.expect(platform::dupenv(nullptr, &size, name) == EINVAL, "dupenv refuses a null buffer");
    e.expect(platform::dupenv(&value, &size, nullptr) == EINVAL, "dupenv refuses a null name");
}

bool isInvalidTime(const std::tm& t) {
    return t.tm_sec == -1 && t.tm_min == -1 && t.tm_hour == -1 && t.tm_mday == -1 &&
           t.tm_mon == -1 && t.tm_year == -1 && t.tm_wday == -1 && t.tm_yday == -1;
}

void checkLocalTime(Expectations& e) {
    useUniversalTime();
    std::tm t{};
    const std::int64_t epoch = 0;
    e.expect(platform::localtime64(&t, &epoch) == 0, "localtime64 of 1970 returns 0");
    e.expect(t.tm_year == 70 && t.tm_mon == 0 && t.tm_mday == 1 && t.tm_hour == 0 && t.tm_wday == 4,
             "1970-01-01 00:00 UTC is a Thursday");

    const std::int64_t latest = 32535215999; // 3000-12-31 23:59:59 UTC
    e.expect(platform::localtime64(&t, &latest) == 0, "localtime64 accepts the year 3000");
    e.expect(t.tm_year == 1100 && t.tm_mon == 11 && t.tm_mday == 31 && t.tm_hour == 23 &&
                 t.tm_min == 59 && t.tm_sec == 59,
             "the last accepted second is 3000-12-31 23:59:59");

    const std::int64_t rejected[] = {-1, latest + 1};
    for (std::int64_t time : rejected) {
        t = std::tm{};
        e.expect(platform::localtime64(&t, &time) == EINVAL && isInvalidTime(t),
                 "localtime64 rejects " + std::to_string(time) + " and marks every field -1");
    }
    t = std::tm{};
    e.expect(platform::localtime64(&t, nullptr) == EINVAL && isInvalidTime(t),
             "localtime64 rejects a null time");
    e.expect(platform::localtime64(nullptr, &epoch) == EINVAL, "localtime64 rejects a null out");
}

void checkClock(Expectations& e) {
    std::int64_t stored = -1;
    const std::int64_t now = platform::time64(&stored);
    e.expect(stored == now, "time64 stores what it returns");
    // Any clock of a build machine reads after 2020-01-01.
    e.expect(now > 1577836800, "time64 counts seconds since 1970");
    std::tm t{};
    e.expect(platform::localtime64(&t, &now) == 0 && t.tm_year >= 120,
             "the current time breaks down");
}

} // namespace

std::vector<std::string> checkPlatformCalls() {
    Expectations e;
    checkEnvironment(e);
    checkLocalTime(e);
    checkClock(e);
    return e.failures;
}
