// MString: UTF-8 text; wide-character views are converted on request.
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <ostream>
#include <string>

namespace {

struct StringImpl {
    std::string text;
    mutable std::wstring wide;
};

StringImpl* impl(void* ptr) {
    return static_cast<StringImpl*>(ptr);
}

std::string fromWide(const wchar_t* chars, std::size_t count) {
    std::string out;
    for (std::size_t k = 0; k < count; ++k) {
        const unsigned long c = static_cast<unsigned long>(chars[k]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring toWide(const std::string& text) {
    std::wstring out;
    for (std::size_t k = 0; k < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned long code = extra == 0 ? c : (c & (0x3F >> extra));
        for (int i = 1; i <= extra && k + i < text.size(); ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[k + i]) & 0x3F);
        out += static_cast<wchar_t>(code);
        k += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string formatNumber(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool parseWhole(const std::string& text, long long& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool parseReal(const std::string& text, double& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end && *end == '\0';
}

} // namespace

MString::MString() : fPtr(new StringImpl()) {}
MString::MString(const char* charString) : MString() {
    if (charString)
        impl(fPtr)->text = charString;
}
MString::MString(const wchar_t* charString) : MString() {
    if (charString)
        impl(fPtr)->text = fromWide(charString, std::wcslen(charString));
}
MString::MString(const char* charString, int charLength) : MString() {
    if (charString && charLength > 0)
        impl(fPtr)->text.assign(charString, static_cast<std::size_t>(charLength));
}
MString::MString(const wchar_t* charString, int wcharLength) : MString() {
    if (charString && wcharLength > 0)
        impl(fPtr)->text = fromWide(charString, static_cast<std::size_t>(wcharLength));
}
MString::MString(const MString& other) : fPtr(new StringImpl{impl(other.fPtr)->text, {}}) {}
MString::~MString() {
    delete impl(fPtr);
}

MString& MString::operator=(const MString& other) {
    impl(fPtr)->text = impl(other.fPtr)->text;
    return *this;
}
MString& MString::operator=(const char* other) {
    impl(fPtr)->text = other ? other : "";
    return *this;
}
MString& MString::operator=(double value) {
    impl(fPtr)->text = formatNumber(value);
    return *this;
}
MString& MString::operator+=(const MString& other) {
    impl(fPtr)->text += impl(other.fPtr)->text;
    return *this;
}
MString& MString::operator+=(const char* other) {
    if (other)
        impl(fPtr)->text += other;
    return *this;
}
MString& MString::operator+=(double other) {
    impl(fPtr)->text += formatNumber(other);
    return *this;
}
MString& MString::operator+=(int other) {
    impl(fPtr)->text += std::to_string(other);
    return *this;
}
MString& MString::operator+=(unsigned int other) {
    impl(fPtr)->text += std::to_string(other);
    return *this;
}
MString& MString::operator+=(float other) {
    impl(fPtr)->text += formatNumber(other);
    return *this;
}

MString MString::operator+(const MString& other) const {
    return MString(*this) += other;
}
MString MString::operator+(const char* other) const {
    return MString(*this) += other;
}
MString MString::operator+(double value) const {
    return MString(*this) += value;
}
MString MString::operator+(int value) const {
    return MString(*this) += value;
}
MString MString::operator+(unsigned int value) const {
    return MString(*this) += value;
}
MString MString::operator+(float value) const {
    return MString(*this) += value;
}
MString operator+(const char* left, const MString& right) {
    return MString(left) += right;
}

bool MString::operator==(const MString& other) const {
    return impl(fPtr)->text == impl(other.fPtr)->text;
}
bool MString::operator==(const char* other) const {
    return impl(fPtr)->text == (other ? other : "");
}
bool MString::operator!=(const MString& other) const {
    return !(*this == other);
}
bool MString::operator!=(const char* other) const {
    return !(*this == other);
}

MStatus MString::set(const char* charString) {
    *this = charString;
    return MS::kSuccess;
}
MStatus MString::set(const char* charString, int charLength) {
    *this = MString(charString, charLength);
    return MS::kSuccess;
}
MStatus MString::set(double value) {
    *this = value;
    return MS::kSuccess;
}
MStatus MString::set(double value, int precision) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", precision < 0 ? 0 : precision, value);
    impl(fPtr)->text = buffer;
    return MS::kSuccess;
}

const char* MString::asChar() const {
    return impl(fPtr)->text.c_str();
}
const char* MString::asChar(int& charLength) const {
    charLength = static_cast<int>(impl(fPtr)->text.size());
    return asChar();
}
const char* MString::asUTF8() const {
    return asChar();
}
const char* MString::asUTF8(int& utf8Length) const {
    return asChar(utf8Length);
}
const wchar_t* MString::asWChar() const {
    impl(fPtr)->wide = toWide(impl(fPtr)->text);
    return impl(fPtr)->wide.c_str();
}
const wchar_t* MString::asWChar(int& numChars) const {
    const wchar_t* chars = asWChar();
    numChars = static_cast<int>(impl(fPtr)->wide.size());
    return chars;
}

unsigned int MString::length() const {
    return static_cast<unsigned int>(impl(fPtr)->text.size());
}
unsigned int MString::numChars() const {
    unsigned int count = 0;
    for (unsigned char c : impl(fPtr)->text)
        count += (c & 0xC0) != 0x80 ? 1u : 0u;
    return count;
}
void MString::clear() {
    impl(fPtr)->text.clear();
}

int MString::index(char c) const {
    const std::size_t at = impl(fPtr)->text.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}
int MString::rindex(char c) const {
    const std::size_t at = impl(fPtr)->text.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

MString MString::substring(int start, int end) const {
    const std::string& text = impl(fPtr)->text;
    if (start < 0)
        start = 0;
    if (end >= static_cast<int>(text.size()))
        end = static_cast<int>(text.size()) - 1;
    if (end < start)
        return MString();
    return MString(text.c_str() + start, end - start + 1);
}

// In place; letters outside ASCII stay as they are.
MString& MString::toUpperCase() {
    for (char& c : impl(fPtr)->text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}
MString& MString::toLowerCase() {
    for (char& c : impl(fPtr)->text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

MStatus MString::split(char c, MStringArray& output) const {
    output.clear();
    std::string piece;
    for (char ch : impl(fPtr)->text) {
        if (ch == c) {
            if (!piece.empty())
                output.append(piece.c_str());
            piece.clear();
        } else {
            piece += ch;
        }
    }
    if (!piece.empty())
        output.append(piece.c_str());
    return MS::kSuccess;
}

double MString::asDouble() const {
    return std::strtod(impl(fPtr)->text.c_str(), nullptr);
}
float MString::asFloat() const {
    return static_cast<float>(asDouble());
}
int MString::asInt() const {
    return static_cast<int>(std::strtol(impl(fPtr)->text.c_str(), nullptr, 10));
}
short MString::asShort() const {
    return static_cast<short>(asInt());
}
unsigned MString::asUnsigned() const {
    return static_cast<unsigned>(std::strtoul(impl(fPtr)->text.c_str(), nullptr, 10));
}
bool MString::isDouble() const {
    double value;
    return parseReal(impl(fPtr)->text, value);
}
bool MString::isFloat() const {
    return isDouble();
}
bool MString::isInt() const {
    long long value;
    return parseWhole(impl(fPtr)->text, value) && value >= INT_MIN && value <= INT_MAX;
}
bool MString::isShort() const {
    long long value;
    return parseWhole(impl(fPtr)->text, value) && value >= SHRT_MIN && value <= SHRT_MAX;
}
bool MString::isUnsigned() const {
    long long value;
    return parseWhole(impl(fPtr)->text, value) && value >= 0 && value <= UINT_MAX;
}

MString MString::expandFilePath(MStatus* ReturnStatus) const {
    return expandEnvironmentVariablesAndTilde(ReturnStatus);
}

MString MString::expandEnvironmentVariablesAndTilde(MStatus* ReturnStatus) const {
    const std::string& text = impl(fPtr)->text;
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k == 0 && text[k] == '~' && (text.size() == 1 || text[1] == '/')) {
            const char* home = std::getenv("HOME");
            out += home ? home : "~";
            continue;
        }
        if (text[k] != '$') {
            out += text[k];
            continue;
        }
        const bool braced = k + 1 < text.size() && text[k + 1] == '{';
        std::size_t begin = k + (braced ? 2 : 1);
        std::size_t end = begin;
        while (end < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
            ++end;
        if (end == begin || (braced && (end >= text.size() || text[end] != '}'))) {
            out += text[k];
            continue;
        }
        const char* value = std::getenv(text.substr(begin, end - begin).c_str());
        out += value ? value : "";
        k = braced ? end : end - 1;
    }
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return out.c_str();
}

std::ostream& operator<<(std::ostream& os, const MString& str) {
    return os << str.asChar();
}
