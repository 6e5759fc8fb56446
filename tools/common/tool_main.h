#pragma once
// The frame of every tool's main(): read the command line, answer --help, run. A wrong command
// line exits 2 with its reason, a run that fails exits 1 with its reason, success exits 0.
#include "command_line.h"
#include "exit_codes.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace quillomar_tools {

template <class Options>
int toolMain(const char* name, int argc, char** argv,
             Options (*parse)(const std::vector<std::string>&), const char* (*usage)(),
             void (*run)(const Options&)) {
    Options options;
    try {
        options = parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << name << ": " << error.what() << "\n"
                  << "Run " << name << " --help for its options and examples.\n";
        return kExitUsage;
    }
    if (options.help) {
        std::cout << usage();
        return kExitOk;
    }
    try {
        run(options);
    } catch (const std::exception& error) {
        std::cerr << name << ": " << error.what() << "\n";
        return kExitBadInput;
    }
    return kExitOk;
}

} // namespace quillomar_tools
