#include "scene/mel_args.h"

namespace scene {

bool MelArgs::parse(const MelCommand& command, const std::vector<MelFlag>& flags,
                    std::string& error) {
    flags_.clear();
    positional_.clear();
    const std::vector<MelWord>& words = command.words;
    for (size_t i = 1; i < words.size(); ++i) {
        if (!words[i].isFlag()) {
            positional_.push_back(words[i]);
            continue;
        }
        std::string name = words[i].text.substr(1);
        const MelFlag* flag = nullptr;
        for (const MelFlag& f : flags)
            if (name == f.shortName || name == f.longName)
                flag = &f;
        if (!flag) {
            error = "Invalid flag '" + words[i].text + "'";
            return false;
        }
        std::vector<MelWord>& args = flags_[flag->longName];
        for (int k = 0; k < flag->argCount; ++k) {
            if (++i >= words.size()) {
                error = "Flag '" + words[i - 1 - k].text + "' needs " +
                        std::to_string(flag->argCount) + " argument(s)";
                return false;
            }
            args.push_back(words[i]);
        }
    }
    return true;
}

std::string MelArgs::value(const std::string& longName, const std::string& fallback) const {
    auto it = flags_.find(longName);
    return it == flags_.end() || it->second.empty() ? fallback : it->second.front().text;
}

const std::vector<MelWord>& MelArgs::values(const std::string& longName) const {
    static const std::vector<MelWord> none;
    auto it = flags_.find(longName);
    return it == flags_.end() ? none : it->second;
}

} // namespace scene
