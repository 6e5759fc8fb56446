#pragma once
// Character string (UTF-8 inside).
#include <maya/MStatus.h>
#include <iosfwd>

class MStringArray;

class MString {
public:
    MString();
    MString(const char* charString);
    MString(const wchar_t* charString);
    MString(const char* charString, int charLength);
    MString(const wchar_t* charString, int wcharLength);
    MString(const MString& other);
    ~MString();

    MString& operator=(const MString& other);
    MString& operator=(const char* other);
    MString& operator=(double value);
    MString& operator+=(const MString& other);
    MString& operator+=(const char* other);
    MString& operator+=(double other);
    MString& operator+=(int other);
    MString& operator+=(unsigned int other);
    MString& operator+=(float other);

    MString operator+(const MString& other) const;
    MString operator+(const char* other) const;
    MString operator+(double value) const;
    MString operator+(int value) const;
    MString operator+(unsigned int value) const;
    MString operator+(float value) const;

    bool operator==(const MString& other) const;
    bool operator==(const char* other) const;
    bool operator!=(const MString& other) const;
    bool operator!=(const char* other) const;

    MStatus set(const char* charString);
    MStatus set(const char* charString, int charLength);
    MStatus set(double value);
    MStatus set(double value, int precision);

    const char* asChar() const;
    const char* asChar(int& charLength) const;
    const char* asUTF8() const;
    const char* asUTF8(int& utf8Length) const;
    const wchar_t* asWChar() const;
    const wchar_t* asWChar(int& numChars) const;

    // Bytes of the UTF-8 text, and characters.
    unsigned int length() const;
    unsigned int numChars() const;
    void clear();

    int index(char c) const;
    int rindex(char c) const;
    MString substring(int start, int end) const;
    // Change this string and return it.
    MString& toUpperCase();
    MString& toLowerCase();
    MStatus split(char c, MStringArray& output) const;

    double asDouble() const;
    float asFloat() const;
    int asInt() const;
    short asShort() const;
    unsigned asUnsigned() const;
    bool isDouble() const;
    bool isFloat() const;
    bool isInt() const;
    bool isShort() const;
    bool isUnsigned() const;

    MString expandFilePath(MStatus* ReturnStatus = NULL) const;
    MString expandEnvironmentVariablesAndTilde(MStatus* ReturnStatus = NULL) const;

    friend MString operator+(const char* left, const MString& right);
    friend std::ostream& operator<<(std::ostream& os, const MString& str);

private:
    void* fPtr; // the host's string storage
};
