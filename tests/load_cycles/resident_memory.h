#pragma once
// The process's resident memory, for checks that repeated work does not pile anything up.
#include <cstddef>

namespace cycles {

std::size_t residentBytes();

// Whether a sanitizer holds freed memory back (quarantine), so resident memory grows anyway.
constexpr bool kSanitizerKeepsFreedMemory =
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

} // namespace cycles
