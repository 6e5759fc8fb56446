// The words of reticle texts: default formats, and user formats that do not match their values.
#include "reticleTextFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
std::string number(const std::string& format, double value) {
    const FormatValue values[] = {{kFormatNumber, value, ""}};
    return formatTextValues(format, values, 1);
}

std::string text(const std::string& format, const char* value) {
    const FormatValue values[] = {{kFormatText, 0.0, value}};
    return formatTextValues(format, values, 1);
}

std::string frames(int type, const std::string& format, double a, double b, double c) {
    FormatValueKind kinds[3];
    const std::size_t count = textValueKinds(type, kinds);
    const FormatValue values[] = {{kinds[0], a, ""}, {kinds[1], b, ""}, {kinds[2], c, ""}};
    return formatTextValues(format.empty() ? defaultTextFormat(type) : format, values, count);
}

bool safe(const std::string& format, std::initializer_list<FormatValueKind> kinds) {
    return isSafeTextFormat(format.data(), format.size(), kinds.begin(), kinds.size());
}
} // namespace

TEST(ReticleTextFormat, DefaultFormatsShowTheSceneValues) {
    EXPECT_EQ(number(defaultTextFormat(kTextLens), 35.0), "35.00 mm");
    EXPECT_EQ(frames(kTextFrameAndRange, "", 12, 1, 120), "0012 (0001 - 0120)");
    EXPECT_EQ(frames(kTextFrameRange, "", 1, 120, 0), "0001 - 0120");
    EXPECT_EQ(frames(kTextFrameStart, "", 1, 0, 0), "0001");
    EXPECT_EQ(frames(kTextFrame, "", -3, 0, 0), "-003");
    EXPECT_EQ(text(defaultTextFormat(kTextCamera), "persp"), "persp");
    // A user format may use fewer values than the type offers, in their order.
    EXPECT_EQ(frames(kTextFrameAndRange, "frame %g", 12, 1, 120), "frame 12");
    EXPECT_EQ(number("f/%.1lf, 100%%", 2.8), "f/2.8, 100%");
    EXPECT_EQ(defaultTextFormat(kTextString), nullptr);
    EXPECT_EQ(defaultTextFormat(13), nullptr);
    EXPECT_STREQ(defaultTextFormat(kTextDate), "%b, %d, %Y(%a)  %I:%M %p");
    FormatValueKind kinds[3];
    EXPECT_EQ(textValueKinds(kTextString, kinds), 0u);
    EXPECT_EQ(textValueKinds(kTextDate, kinds), 0u);
    EXPECT_EQ(textValueKinds(kTextFileName, kinds), 1u);
    EXPECT_EQ(kinds[0], kFormatText);
}

TEST(ReticleTextFormat, EmptyOrOverlongResultsShowError) {
    EXPECT_EQ(text("%s", ""), "Error");
    EXPECT_EQ(text("", "ignored"), "Error");
    EXPECT_EQ(text("%s", std::string(254, 'a').c_str()), std::string(254, 'a'));
    EXPECT_EQ(text("%s", std::string(255, 'a').c_str()), "Error");
    EXPECT_EQ(number("%f", 1e300), "Error"); // 300 digits do not fit
    EXPECT_EQ(number("%254f", 1).size(), 254u);
    EXPECT_EQ(number("%.200f", 1).size(), 202u);
}

TEST(ReticleTextFormat, FormatsThatDoNotMatchTheirValuesNeverReachPrintf) {
    // Hostile formats: more conversions than values, pointers written through, widths taken
    // from arguments, mismatched kinds, huge widths, positional and length-modified conversions.
    const char* hostileForText[] = {"%s%s%s%n", "%n",    "%*d",   "%d",   "%c",  "%p",
                                    "%x",       "%f",    "%ls",   "%1$s", "%#s", "%05s",
                                    "%",        "abc %", "%s %s", "%.*s", "%hs"};
    for (const char* format : hostileForText) {
        EXPECT_FALSE(safe(format, {kFormatText})) << format;
        EXPECT_EQ(text(format, "cam"), "Error") << format;
    }
    const char* hostileForNumber[] = {
        "%s",    "%99999f", "%.99999f", "%255f", "%Lf", "%hf", "%d",  "%i",   "%lld", "%f%f",
        "%*.*f", "%-*f",    "%I64d",    "%1$f",  "%+%", "%5%", "%-%", "%.1%", "%l%"};
    for (const char* format : hostileForNumber) {
        EXPECT_FALSE(safe(format, {kFormatNumber})) << format;
        EXPECT_EQ(number(format, 35.0), "Error") << format;
    }
    EXPECT_TRUE(safe("%-+ #0254.254f|%e|%E|%g|%G|%a|%A|%F",
                     {kFormatNumber, kFormatNumber, kFormatNumber, kFormatNumber, kFormatNumber,
                      kFormatNumber, kFormatNumber, kFormatNumber}));
    EXPECT_TRUE(safe("%-20.3s|%%", {kFormatText}));
    EXPECT_FALSE(safe("%f %s", {kFormatNumber, kFormatNumber}));
    EXPECT_TRUE(safe("%f %s", {kFormatNumber, kFormatText}));
    EXPECT_TRUE(safe("no conversions", {}));
    EXPECT_FALSE(safe("%f", {}));

    // The check stops where the C library would: at a NUL byte or at the end of the range.
    const char withNul[] = "%f\0%n";
    EXPECT_FALSE(isSafeTextFormat(withNul, sizeof withNul - 1, nullptr, 0));
    const FormatValueKind one[] = {kFormatNumber};
    EXPECT_TRUE(isSafeTextFormat(withNul, sizeof withNul - 1, one, 1));
    const char cut[] = {'%', '0', '5'};
    EXPECT_FALSE(isSafeTextFormat(cut, sizeof cut, one, 1));
    EXPECT_TRUE(isSafeTextFormat("%f%n", 2, one, 1));
}

TEST(ReticleTextFormat, DatesAllowOnlyPortableConversions) {
    std::tm time{};
    time.tm_year = 2019 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 7;
    time.tm_hour = 15;
    time.tm_min = 4;
    time.tm_wday = 4;
    time.tm_yday = 65;
    EXPECT_EQ(formatDate(defaultTextFormat(kTextDate), time), "Mar, 07, 2019(Thu)  03:04 PM");
    EXPECT_EQ(formatDate("%Y-%m-%d %H:%M %% %j", time), "2019-03-07 15:04 % 066");
    for (const char* format :
         {"%Q", "%", "day %", "%Ec", "%Oy", "%#d", "%-d", "%5Y", "%k", "%s", "%P", "%l", "%+"}) {
        EXPECT_FALSE(isSafeDateFormat(format, std::strlen(format))) << format;
        EXPECT_EQ(formatDate(format, time), "Error") << format;
    }
    // Too long for the bound, whether from literal text or from conversions.
    EXPECT_EQ(formatDate(std::string(300, 'x'), time), "Error");
    std::string years;
    for (int i = 0; i < 70; ++i)
        years += "%Y";
    EXPECT_EQ(formatDate(years, time), "Error");
    // An empty result is no failure: with no known daylight saving state, no zone is shown.
    time.tm_isdst = -1;
    EXPECT_EQ(formatDate("%Z%z", time), "");
    EXPECT_EQ(formatDate("at %H%Z", time), "at 15");
}
