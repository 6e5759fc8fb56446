// The reticle's text formatting as a text field uses it: a text type, a user's format (or the
// type's own) and the values the type hands it, numbers that may be NaN, infinite or huge and
// texts of any bytes; the date format with any time of the calendar. A result is "Error" or fits
// the bound.
#include "fuzz_bytes.h"

#include "reticleTextFormat.h"

#include <cstdlib>
#include <ctime>

namespace {

void check(const std::string& result) {
    if (result.size() >= kTextBound)
        std::abort();
}

std::tm anyTime(fuzz::Bytes& in) {
    std::tm time{};
    time.tm_sec = static_cast<int>(in.upTo(60));
    time.tm_min = static_cast<int>(in.upTo(59));
    time.tm_hour = static_cast<int>(in.upTo(23));
    time.tm_mday = 1 + static_cast<int>(in.upTo(30));
    time.tm_mon = static_cast<int>(in.upTo(11));
    time.tm_year = in.take<std::int16_t>();
    time.tm_wday = static_cast<int>(in.upTo(6));
    time.tm_yday = static_cast<int>(in.upTo(365));
    time.tm_isdst = static_cast<int>(in.upTo(2)) - 1;
    return time;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const int type = static_cast<int>(in.take<std::int8_t>());
    const std::uint8_t choices = in.byte();
    const bool userFormat = (choices & 1) != 0;
    FormatValue values[3];
    FormatValueKind kinds[3] = {kFormatNumber, kFormatNumber, kFormatNumber};
    const std::size_t count = textValueKinds(type, kinds);
    std::string texts[3];
    for (std::size_t i = 0; i < 3; ++i) {
        values[i].kind = kinds[i];
        values[i].number = in.take<double>();
        texts[i] = in.text(400);
        values[i].text = texts[i].c_str();
    }
    const std::tm time = anyTime(in);
    const std::string format = in.rest();

    if (type == kTextDate) {
        const char* fallback = defaultTextFormat(kTextDate);
        check(formatDate(userFormat ? format : fallback, time));
        return 0;
    }
    const char* fallback = defaultTextFormat(type);
    if (fallback == nullptr)
        return 0;
    check(formatTextValues(userFormat ? format : fallback, values, count));
    // Any mix of up to four values of either kind.
    FormatValue mixed[4];
    for (std::size_t i = 0; i < 4; ++i) {
        mixed[i] = values[i % 3];
        mixed[i].kind = (choices >> (2 + i)) & 1 ? kFormatText : kFormatNumber;
    }
    check(formatTextValues(format, mixed, (choices >> 6) + 1u));
    // The checks on their own, with every kind list, as a format reaches them byte for byte.
    for (std::size_t used = 0; used <= 3; ++used)
        isSafeTextFormat(format.data(), format.size(), kinds, used);
    isSafeDateFormat(format.data(), format.size());
    return 0;
}
