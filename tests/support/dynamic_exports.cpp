#include "dynamic_exports.h"

#include <cstdio>
#include <sstream>

namespace testsupport {

std::set<std::string> dynamicExports(const std::string& library, std::string* error) {
    const std::string command = "nm -D --defined-only '" + library + "' 2>&1";
    std::set<std::string> names;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        if (error != nullptr)
            *error = "cannot run " + command;
        return names;
    }
    std::string output;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        output += line;
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name)
            names.insert(name);
    }
    if (pclose(pipe) != 0) {
        if (error != nullptr)
            *error = command + " failed: " + output;
        names.clear();
    }
    return names;
}

} // namespace testsupport
