#pragma once
// Growable array of float.
#include <maya/MStatus.h>
#include <iosfwd>

class MFloatArray {
public:
    MFloatArray();
    MFloatArray(const MFloatArray& other);
    MFloatArray(const float src[], unsigned int count);
    MFloatArray(const double src[], unsigned int count);
    MStatus set(double element, unsigned int index);
    MStatus get(double dest[]) const;
    MFloatArray(unsigned int initialSize, float initialValue = 0);
    ~MFloatArray();
    MFloatArray& operator=(const MFloatArray& other);

    float operator[](unsigned int index) const;
    float& operator[](unsigned int index);
    MStatus set(float element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(float element, unsigned int index);
    MStatus append(float element);
    MStatus copy(const MFloatArray& source);
    MStatus clear();
    MStatus get(float dest[]) const;
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    friend std::ostream& operator<<(std::ostream& os, const MFloatArray& array);

private:
    void* fArray; // the host's element storage
};
