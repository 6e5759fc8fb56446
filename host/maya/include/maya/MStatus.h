#pragma once
// Result of an API call. Failure codes convert to false.
#include <maya/MTypes.h>
#include <iosfwd>

class MString;

class MStatus {
public:
    enum MStatusCode {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };

    MStatus() : fStatusCode(kSuccess) {}
    MStatus(MStatusCode code) : fStatusCode(code) {}
    MStatus(const MStatus& other) = default;
    MStatus& operator=(const MStatus& rhs) = default;

    bool operator==(const MStatus& rhs) const { return fStatusCode == rhs.fStatusCode; }
    bool operator==(const MStatusCode rhs) const { return fStatusCode == rhs; }
    bool operator!=(const MStatus& rhs) const { return fStatusCode != rhs.fStatusCode; }
    bool operator!=(const MStatusCode rhs) const { return fStatusCode != rhs; }
    operator bool() const { return fStatusCode == kSuccess; }
    bool error() const { return fStatusCode != kSuccess; }
    void clear() { fStatusCode = kSuccess; }
    MStatusCode statusCode() const { return fStatusCode; }
    MString errorString() const;
    void perror(const char* prefix) const;
    void perror(const MString& prefix) const;
    void pAPIerror(const char* file, int line) const;
    void set(MStatusCode code) { fStatusCode = code; }

    friend bool operator==(const MStatus::MStatusCode lhs, const MStatus& rhs) {
        return rhs == lhs;
    }
    friend bool operator!=(const MStatus::MStatusCode lhs, const MStatus& rhs) {
        return rhs != lhs;
    }
    friend std::ostream& operator<<(std::ostream& os, MStatus& status);

private:
    MStatusCode fStatusCode;
};

typedef MStatus MS;

// The devkit's status checks: report the failure with file and line, then act.
#define CHECK_MSTATUS_AND_RETURN_IT(_status)                                                       \
    do {                                                                                           \
        MStatus _maya_status = (_status);                                                          \
        if (MStatus::kSuccess != _maya_status) {                                                   \
            _maya_status.pAPIerror(__FILE__, __LINE__);                                            \
            return _maya_status;                                                                   \
        }                                                                                          \
    } while (0)

#define CHECK_MSTATUS_AND_RETURN(_status, _retVal)                                                 \
    do {                                                                                           \
        MStatus _maya_status = (_status);                                                          \
        if (MStatus::kSuccess != _maya_status) {                                                   \
            _maya_status.pAPIerror(__FILE__, __LINE__);                                            \
            return (_retVal);                                                                      \
        }                                                                                          \
    } while (0)

#define CHECK_MSTATUS(_status)                                                                     \
    do {                                                                                           \
        MStatus _maya_status = (_status);                                                          \
        if (MStatus::kSuccess != _maya_status) {                                                   \
            _maya_status.pAPIerror(__FILE__, __LINE__);                                            \
        }                                                                                          \
    } while (0)
