#pragma once
// Growable array of MPoint.
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <iosfwd>

class MPointArray {
public:
    MPointArray();
    MPointArray(const MPointArray& other);
    MPointArray(const MPoint points[], unsigned int count);
    MPointArray(const double points[][4], unsigned int count);
    MPointArray(const float points[][4], unsigned int count);
    MPointArray(unsigned int initialSize, const MPoint& initialValue = MPoint::origin);
    ~MPointArray();
    MPointArray& operator=(const MPointArray& other);

    const MPoint& operator[](unsigned int index) const;
    MPoint& operator[](unsigned int index);
    MStatus set(const MPoint& element, unsigned int index);
    MStatus set(unsigned int index, double x, double y, double z = 0, double w = 1);
    MStatus set(double element[4], unsigned int index);
    MStatus set(float element[4], unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(const MPoint& element, unsigned int index);
    MStatus append(const MPoint& element);
    MStatus append(double x, double y, double z = 0, double w = 1);
    MStatus copy(const MPointArray& source);
    MStatus clear();
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    friend std::ostream& operator<<(std::ostream& os, const MPointArray& array);

private:
    void* fArray; // the host's element storage
};
