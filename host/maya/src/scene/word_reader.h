#pragma once
// Reads the values of a typed setAttr one word at a time, failing cleanly at the end.
#include "scene/mel_values.h"

#include <string>
#include <vector>

namespace scene {

class WordReader {
public:
    WordReader(const std::vector<std::string>& words, size_t& next) : words_(words), next_(next) {}

    bool number(double& v) { return next_ < words_.size() && parseDouble(words_[next_++], v); }
    bool number(float& v) {
        double d = 0;
        if (!number(d))
            return false;
        v = static_cast<float>(d);
        return true;
    }
    bool integer(int& v) { return next_ < words_.size() && parseInt(words_[next_++], v); }
    bool boolean(bool& v) { return next_ < words_.size() && parseBool(words_[next_++], v); }
    // A count of items that take at least one word each: a larger count means a truncated value.
    bool count(size_t& n) {
        int v = 0;
        if (!integer(v) || v < 0 || static_cast<size_t>(v) > words_.size() - next_)
            return false;
        n = static_cast<size_t>(v);
        return true;
    }
    template <typename T> bool counted(std::vector<T>& values) {
        size_t n = 0;
        if (!count(n))
            return false;
        values.assign(n, T());
        for (T& v : values)
            if (!read(v))
                return false;
        return true;
    }

private:
    bool read(double& v) { return number(v); }
    bool read(float& v) { return number(v); }
    bool read(int& v) { return integer(v); }

    const std::vector<std::string>& words_;
    size_t& next_;
};

} // namespace scene
