#include <maya/MStatus.h>
#include <maya/MString.h>

#include <iostream>

MString MStatus::errorString() const {
    switch (fStatusCode) {
    case kSuccess:
        return "(kSuccess): No error";
    case kFailure:
        return "(kFailure): Unexpected Internal Failure";
    case kInsufficientMemory:
        return "(kInsufficientMemory): Insufficient memory";
    case kInvalidParameter:
        return "(kInvalidParameter): Object is incompatible with this method";
    case kLicenseFailure:
        return "(kLicenseFailure): License failure";
    case kUnknownParameter:
        return "(kUnknownParameter): Unknown parameter";
    case kNotImplemented:
        return "(kNotImplemented): Not implemented";
    case kNotFound:
        return "(kNotFound): Object not found";
    case kEndOfFile:
        return "(kEndOfFile): End of file";
    }
    return "(unknown status)";
}

void MStatus::perror(const char* prefix) const {
    if (prefix && *prefix)
        std::cerr << prefix << ": ";
    std::cerr << errorString() << std::endl;
}

void MStatus::perror(const MString& prefix) const {
    perror(prefix.asChar());
}

void MStatus::pAPIerror(const char* file, int line) const {
    std::cerr << "\nAPI error detected in " << file << " at line " << line << std::endl;
    perror("");
}

std::ostream& operator<<(std::ostream& os, MStatus& status) {
    return os << status.errorString();
}
