#pragma once
// The words of a reticle text: which values each text type shows, the checks that keep a user's
// format from reaching the C library unless it matches those values, and the formatting itself.
// Plain functions over plain values; the format checks take a byte range so that any input can
// be fed to them directly (they stop at a NUL byte, as the C library would).
#include <cstddef>
#include <ctime>
#include <string>

enum TextType {
    kTextString = 0,
    kTextLens = 1,
    kTextCamera = 2,
    kTextFrame = 3,
    kTextFrameAndRange = 4,
    kTextFrameStart = 5,
    kTextFrameEnd = 6,
    kTextFrameRange = 7,
    kTextUser = 8,
    kTextCurrentFile = 9,
    kTextFilePath = 10,
    kTextFileName = 11,
    kTextDate = 12
};

enum FormatValueKind { kFormatNumber, kFormatText };

// Results longer than this many characters do not fit and count as failed formatting.
constexpr std::size_t kTextBound = 255;

// The format a text type uses when the user gave none; null for "String" and unknown types.
const char* defaultTextFormat(int type);

// The kinds of the values a text type (1..11) hands its format, in order; returns their number
// (0 for other types). At most three.
std::size_t textValueKinds(int type, FormatValueKind kinds[3]);

// True when every conversion of the format takes the next of `kinds` (a floating conversion for
// a number, %s for a text), there are no more conversions than kinds, no width or precision
// comes from an argument or exceeds the bound, and nothing writes through a pointer.
bool isSafeTextFormat(const char* data, std::size_t size, const FormatValueKind* kinds,
                      std::size_t count);

// True when the format holds only conversions strftime defines on every platform.
bool isSafeDateFormat(const char* data, std::size_t size);

// A value handed to a format: a number or a text, as its kind says.
struct FormatValue {
    FormatValueKind kind = kFormatNumber;
    double number = 0.0;
    const char* text = "";
};

// The format applied to the values; "Error" when the format is unsafe for them, the result is
// empty or it does not fit the bound.
std::string formatTextValues(const std::string& format, const FormatValue* values,
                             std::size_t count);

// The time written with a strftime format; "Error" when the format is unsafe or the result does
// not fit the bound. An empty result stays empty.
std::string formatDate(const std::string& format, const std::tm& time);
