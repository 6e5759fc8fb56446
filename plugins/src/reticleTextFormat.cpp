#include "reticleTextFormat.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kDefaultFormats[] = {
    nullptr,                    // String: shown as typed
    "%1.2f mm",                 // Lens
    "%s",                       // Camera
    "%04.0f",                   // Frame
    "%04.0f (%04.0f - %04.0f)", // Frame And Range
    "%04.0f",                   // Frame Start
    "%04.0f",                   // Frame End
    "%04.0f - %04.0f",          // Frame Range
    "%s",                       // User
    "%s",                       // Current File
    "%s",                       // File Path
    "%s",                       // File Name
    "%b, %d, %Y(%a)  %I:%M %p", // Date
};

const char* const kError = "Error";

// Reads a width or precision; false when it is larger than any result that fits.
bool readCount(const char*& p, const char* end) {
    unsigned long value = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        value = value * 10 + static_cast<unsigned long>(*p - '0');
        if (value >= kTextBound)
            return false;
        ++p;
    }
    return true;
}

bool isFloatingConversion(char c) {
    return std::strchr("fFeEgGaA", c) != nullptr;
}

// Checks one conversion after its '%'; on success `kind` says what it takes and p is past it.
bool readConversion(const char*& p, const char* end, bool& takesValue, FormatValueKind& kind) {
    const char* const start = p;
    bool numericFlags = false;
    while (p < end && std::strchr("-+ #0", *p) != nullptr && *p != '\0') {
        numericFlags = numericFlags || *p != '-';
        ++p;
    }
    if (!readCount(p, end))
        return false;
    if (p < end && *p == '.') {
        ++p;
        if (!readCount(p, end))
            return false;
    }
    bool longModifier = false;
    if (p < end && *p == 'l') {
        longModifier = true;
        ++p;
    }
    if (p >= end || *p == '\0')
        return false;
    const char conversion = *p++;
    if (conversion == '%') {
        // Only a bare "%%" is a literal percent sign everywhere: no flag, width or precision.
        takesValue = false;
        return p == start + 1;
    }
    takesValue = true;
    if (isFloatingConversion(conversion)) {
        kind = kFormatNumber;
        return true;
    }
    kind = kFormatText;
    return conversion == 's' && !numericFlags && !longModifier;
}

// strftime gives 0 both for an empty result and for one that does not fit. The result of a
// checked format is empty only when it has no literal character and each conversion alone
// gives nothing (a zone name that cannot be determined, say); a date has no "Error" for that.
bool isEmptyDate(const char* format, const std::tm& time) {
    char piece[kTextBound];
    for (const char* p = format; *p != '\0'; p += 2) {
        const char conversion[] = {'%', p[1], '\0'};
        if (*p != '%' || std::strftime(piece, sizeof piece, conversion, &time) != 0)
            return false;
    }
    return true;
}

} // namespace

const char* defaultTextFormat(int type) {
    const int count = static_cast<int>(sizeof(kDefaultFormats) / sizeof(kDefaultFormats[0]));
    return type >= 0 && type < count ? kDefaultFormats[type] : nullptr;
}

std::size_t textValueKinds(int type, FormatValueKind kinds[3]) {
    switch (type) {
    case kTextLens:
    case kTextFrame:
    case kTextFrameStart:
    case kTextFrameEnd:
        kinds[0] = kFormatNumber;
        return 1;
    case kTextFrameAndRange:
        kinds[0] = kinds[1] = kinds[2] = kFormatNumber;
        return 3;
    case kTextFrameRange:
        kinds[0] = kinds[1] = kFormatNumber;
        return 2;
    case kTextCamera:
    case kTextUser:
    case kTextCurrentFile:
    case kTextFilePath:
    case kTextFileName:
        kinds[0] = kFormatText;
        return 1;
    default:
        return 0;
    }
}

bool isSafeTextFormat(const char* data, std::size_t size, const FormatValueKind* kinds,
                      std::size_t count) {
    const char* p = data;
    const char* end = data + size;
    std::size_t used = 0;
    while (p < end && *p != '\0') {
        if (*p++ != '%')
            continue;
        bool takesValue = false;
        FormatValueKind kind = kFormatNumber;
        if (!readConversion(p, end, takesValue, kind))
            return false;
        if (!takesValue)
            continue;
        if (used == count || kinds[used] != kind)
            return false;
        ++used;
    }
    return true;
}

bool isSafeDateFormat(const char* data, std::size_t size) {
    // The conversions of C99 strftime, which the Windows runtime also accepts; no flags and no
    // E or O modifiers.
    static const char kConversions[] = "aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyYzZ%";
    const char* p = data;
    const char* end = data + size;
    while (p < end && *p != '\0') {
        if (*p++ != '%')
            continue;
        if (p >= end || *p == '\0' || std::strchr(kConversions, *p) == nullptr)
            return false;
        ++p;
    }
    return true;
}

std::string formatTextValues(const std::string& format, const FormatValue* values,
                             std::size_t count) {
    FormatValueKind kinds[3] = {kFormatNumber, kFormatNumber, kFormatNumber};
    if (count > 3)
        return kError;
    for (std::size_t i = 0; i < count; ++i)
        kinds[i] = values[i].kind;
    if (!isSafeTextFormat(format.c_str(), format.size(), kinds, count))
        return kError;

    char buffer[kTextBound];
    int written = 0;
    if (count == 1 && kinds[0] == kFormatText) {
        written = std::snprintf(buffer, sizeof buffer, format.c_str(), values[0].text);
    } else {
        // Numbers only (the format was checked against the kinds): unused values are ignored.
        double numbers[3] = {0.0, 0.0, 0.0};
        for (std::size_t i = 0; i < count; ++i) {
            if (kinds[i] != kFormatNumber)
                return kError;
            numbers[i] = values[i].number;
        }
        written = std::snprintf(buffer, sizeof buffer, format.c_str(), numbers[0], numbers[1],
                                numbers[2]);
    }
    if (written <= 0 || static_cast<std::size_t>(written) >= sizeof buffer)
        return kError;
    return buffer;
}

std::string formatDate(const std::string& format, const std::tm& time) {
    if (!isSafeDateFormat(format.c_str(), format.size()))
        return kError;
    char buffer[kTextBound];
    if (std::strftime(buffer, sizeof buffer, format.c_str(), &time) != 0)
        return buffer;
    return isEmptyDate(format.c_str(), time) ? "" : kError;
}
