#pragma once
// Growable array of double.
#include <maya/MStatus.h>
#include <iosfwd>

class MDoubleArray {
public:
    MDoubleArray();
    MDoubleArray(const MDoubleArray& other);
    MDoubleArray(const double src[], unsigned int count);
    MDoubleArray(const float src[], unsigned int count);
    MStatus set(float element, unsigned int index);
    MStatus get(float dest[]) const;
    MDoubleArray(unsigned int initialSize, double initialValue = 0);
    ~MDoubleArray();
    MDoubleArray& operator=(const MDoubleArray& other);

    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);
    MStatus set(double element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(double element, unsigned int index);
    MStatus append(double element);
    MStatus copy(const MDoubleArray& source);
    MStatus clear();
    MStatus get(double dest[]) const;
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    friend std::ostream& operator<<(std::ostream& os, const MDoubleArray& array);

private:
    void* fArray; // the host's element storage
};
