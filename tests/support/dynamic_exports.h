#pragma once
// The names a shared library exports, as the dynamic linker sees them (`nm -D --defined-only`).
#include <set>
#include <string>

namespace testsupport {

// Empty when nm cannot read the library; `error` then says why.
std::set<std::string> dynamicExports(const std::string& library, std::string* error = nullptr);

} // namespace testsupport
