#pragma once
// Growable array of MFloatPoint.
#include <maya/MFloatPoint.h>
#include <maya/MStatus.h>
#include <iosfwd>

class MFloatPointArray {
public:
    MFloatPointArray();
    MFloatPointArray(const MFloatPointArray& other);
    MFloatPointArray(const MFloatPoint points[], unsigned int count);
    MFloatPointArray(const double points[][4], unsigned int count);
    MFloatPointArray(const float points[][4], unsigned int count);
    MFloatPointArray(unsigned int initialSize,
                     const MFloatPoint& initialValue = MFloatPoint::origin);
    ~MFloatPointArray();
    MFloatPointArray& operator=(const MFloatPointArray& other);

    const MFloatPoint& operator[](unsigned int index) const;
    MFloatPoint& operator[](unsigned int index);
    MStatus set(const MFloatPoint& element, unsigned int index);
    MStatus set(unsigned int index, float x, float y, float z = 0, float w = 1);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(const MFloatPoint& element, unsigned int index);
    MStatus append(const MFloatPoint& element);
    MStatus append(float x, float y, float z = 0, float w = 1);
    MStatus copy(const MFloatPointArray& source);
    MStatus clear();
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    friend std::ostream& operator<<(std::ostream& os, const MFloatPointArray& array);

private:
    void* fArray; // the host's element storage
};
