#pragma once
// Takes typed values off the front of a fuzz input; once the input is used up every value is
// zero, so a target never reads past its input.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return size_ == 0; }
    std::size_t left() const { return size_; }

    template <typename T> T take() {
        T value{};
        const std::size_t n = sizeof(T) < size_ ? sizeof(T) : size_;
        if (n > 0)
            std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    std::uint8_t byte() { return take<std::uint8_t>(); }
    // A whole number from 0 to `most`.
    unsigned upTo(unsigned most) { return most == 0 ? 0 : take<std::uint16_t>() % (most + 1); }
    // A text of at most `most` bytes: its length first, then its bytes.
    std::string text(std::size_t most) {
        std::size_t n = upTo(static_cast<unsigned>(most));
        n = n < size_ ? n : size_;
        std::string out(reinterpret_cast<const char*>(data_), n);
        data_ += n;
        size_ -= n;
        return out;
    }
    // Everything not yet taken.
    std::string rest() {
        std::string out(reinterpret_cast<const char*>(data_), size_);
        data_ += size_;
        size_ = 0;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace fuzz
