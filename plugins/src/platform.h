#pragma once
// The Windows runtime's bounded environment and clock calls (_dupenv_s, _time64,
// _localtime64_s) under one set of names that builds everywhere: the runtime's own calls where it
// has them, a fallback with the same contract where mingw's msvcrt lacks _dupenv_s, and the POSIX
// equivalents on other systems.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace platform {

// Copies the value of the environment variable `name` into a buffer from std::malloc, which the
// caller releases with std::free. Returns 0 and sets *buffer to null (and *size to 0) when the
// variable is not set; EINVAL for a null buffer or name; ENOMEM when the copy cannot be made.
// `size`, which receives the buffer size including the terminator, may be null.
inline int dupenv(char** buffer, std::size_t* size, const char* name);

// Seconds since 1970-01-01 00:00:00 UTC, 64-bit on every platform; also stored in *out unless it
// is null.
inline std::int64_t time64(std::int64_t* out);

// Breaks *time down into local calendar time. Returns 0, or EINVAL (with every field of *out set
// to -1 when out is not null) for a null argument or a time before 1970 or after the year 3000.
inline int localtime64(std::tm* out, const std::int64_t* time);

// ---------------------------------------------------------------------------------------------

namespace detail {

// The last second the Windows runtime's 64-bit local time accepts: 3000-12-31 23:59:59 UTC.
constexpr std::int64_t kLatestLocalTime = 32535215999;

inline int copyEnvironmentValue(char** buffer, std::size_t* size, const char* name) {
    *buffer = nullptr;
    if (size != nullptr) {
        *size = 0;
    }
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return 0;
    }
    const std::size_t bytes = std::strlen(value) + 1;
    char* copy = static_cast<char*>(std::malloc(bytes));
    if (copy == nullptr) {
        return ENOMEM;
    }
    std::memcpy(copy, value, bytes);
    *buffer = copy;
    if (size != nullptr) {
        *size = bytes;
    }
    return 0;
}

#if defined(_WIN32)

// mingw's msvcrt import library has no _dupenv_s; MSVC's and the universal runtime's have it.
#if defined(__MINGW32__) && !defined(_UCRT)
inline int runtimeDupenv(char** buffer, std::size_t* size, const char* name) {
    return copyEnvironmentValue(buffer, size, name);
}
#else
inline int runtimeDupenv(char** buffer, std::size_t* size, const char* name) {
    return _dupenv_s(buffer, size, name);
}
#endif

inline std::int64_t runtimeTime() {
    return _time64(nullptr);
}

inline int runtimeLocalTime(std::tm* out, std::int64_t time) {
    const __time64_t value = time;
    return _localtime64_s(out, &value);
}

#else

inline int runtimeDupenv(char** buffer, std::size_t* size, const char* name) {
    return copyEnvironmentValue(buffer, size, name);
}

inline std::int64_t runtimeTime() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

inline int runtimeLocalTime(std::tm* out, std::int64_t time) {
    const std::time_t value = static_cast<std::time_t>(time);
    return localtime_r(&value, out) != nullptr ? 0 : EINVAL;
}

#endif

inline void markLocalTimeInvalid(std::tm* out) {
    out->tm_sec = out->tm_min = out->tm_hour = -1;
    out->tm_mday = out->tm_mon = out->tm_year = -1;
    out->tm_wday = out->tm_yday = out->tm_isdst = -1;
}

} // namespace detail

// The runtime calls are only reached with valid arguments: MSVC's would otherwise raise its
// invalid-parameter handler, which ends the host process by default.
inline int dupenv(char** buffer, std::size_t* size, const char* name) {
    if (buffer == nullptr || name == nullptr) {
        return EINVAL;
    }
    return detail::runtimeDupenv(buffer, size, name);
}

inline std::int64_t time64(std::int64_t* out) {
    const std::int64_t now = detail::runtimeTime();
    if (out != nullptr) {
        *out = now;
    }
    return now;
}

inline int localtime64(std::tm* out, const std::int64_t* time) {
    if (out == nullptr) {
        return EINVAL;
    }
    if (time == nullptr || *time < 0 || *time > detail::kLatestLocalTime) {
        detail::markLocalTimeInvalid(out);
        return EINVAL;
    }
    const int error = detail::runtimeLocalTime(out, *time);
    if (error != 0) {
        detail::markLocalTimeInvalid(out);
    }
    return error;
}

} // namespace platform
