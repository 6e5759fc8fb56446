#pragma once
// Splits a command's words into flags (by long name) and positional arguments, the way MEL
// commands accept either "-n" or "-name".
#include "scene/mel_script.h"

#include <map>
#include <string>
#include <vector>

namespace scene {

struct MelFlag {
    const char* shortName;
    const char* longName;
    int argCount;
};

class MelArgs {
public:
    // False with a message for an unknown flag or a flag missing its arguments.
    bool parse(const MelCommand& command, const std::vector<MelFlag>& flags, std::string& error);

    bool has(const std::string& longName) const { return flags_.count(longName) != 0; }
    // First argument of a flag, or fallback when the flag is absent.
    std::string value(const std::string& longName, const std::string& fallback = "") const;
    const std::vector<MelWord>& values(const std::string& longName) const;
    const std::vector<MelWord>& positional() const { return positional_; }

private:
    std::map<std::string, std::vector<MelWord>> flags_;
    std::vector<MelWord> positional_;
};

} // namespace scene
