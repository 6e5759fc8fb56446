#pragma once
// Growable array of MString.
#include <maya/MString.h>
#include <maya/MStatus.h>
#include <iosfwd>

class MStringArray {
public:
    MStringArray();
    MStringArray(const MStringArray& other);
    MStringArray(const MString strings[], unsigned int count);
    MStringArray(const char* strings[], unsigned int count);
    MStringArray(unsigned int initialSize, const MString& initialValue);
    ~MStringArray();
    MStringArray& operator=(const MStringArray& other);

    const MString& operator[](unsigned int index) const;
    MString& operator[](unsigned int index);
    MStatus set(const MString& element, unsigned int index);
    MStatus set(const char* element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(const MString& element, unsigned int index);
    MStatus append(const MString& element);
    MStatus copy(const MStringArray& source);
    MStatus clear();
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;
    int indexOf(const MString& element) const;

    friend std::ostream& operator<<(std::ostream& os, const MStringArray& array);

private:
    void* fArray; // the host's element storage
};
