#pragma once
// Growable array of int.
#include <maya/MStatus.h>
#include <iosfwd>

class MIntArray {
public:
    MIntArray();
    MIntArray(const MIntArray& other);
    MIntArray(const int src[], unsigned int count);
    MIntArray(unsigned int initialSize, int initialValue = 0);
    ~MIntArray();
    MIntArray& operator=(const MIntArray& other);

    int operator[](unsigned int index) const;
    int& operator[](unsigned int index);
    MStatus set(int element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(int element, unsigned int index);
    MStatus append(int element);
    MStatus copy(const MIntArray& source);
    MStatus clear();
    MStatus get(int dest[]) const;
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    friend std::ostream& operator<<(std::ostream& os, const MIntArray& array);

private:
    void* fArray; // the host's element storage
};
