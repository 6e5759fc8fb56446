#pragma once
// 4x4 float matrix, row-vector convention like MMatrix.
#include <maya/MStatus.h>
#include <iosfwd>

#define MFloatMatrix_kTol 1.0e-5F

class MFloatMatrix {
public:
    MFloatMatrix();
    MFloatMatrix(const MFloatMatrix& src) = default;
    MFloatMatrix(const double m[4][4]);
    MFloatMatrix(const float m[4][4]);
    ~MFloatMatrix() = default;
    MFloatMatrix& operator=(const MFloatMatrix& src) = default;

    float operator()(unsigned int row, unsigned int col) const { return matrix[row][col]; }
    float& operator()(unsigned int row, unsigned int col) { return matrix[row][col]; }
    const float* operator[](unsigned int row) const { return matrix[row]; }
    float* operator[](unsigned int row) { return matrix[row]; }
    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;

    MFloatMatrix transpose() const;
    MFloatMatrix& setToIdentity();
    MFloatMatrix& setToProduct(const MFloatMatrix& left, const MFloatMatrix& right);
    MFloatMatrix inverse() const;
    MFloatMatrix adjoint() const;
    MFloatMatrix homogenize() const;
    float det4x4() const;
    float det3x3() const;
    bool isEquivalent(const MFloatMatrix& other, float tolerance = MFloatMatrix_kTol) const;

    MFloatMatrix operator*(const MFloatMatrix& right) const;
    MFloatMatrix& operator*=(const MFloatMatrix& right);
    MFloatMatrix operator*(float scalar) const;
    MFloatMatrix operator+(const MFloatMatrix& right) const;
    MFloatMatrix operator-(const MFloatMatrix& right) const;
    bool operator==(const MFloatMatrix& other) const;
    bool operator!=(const MFloatMatrix& other) const;

    friend std::ostream& operator<<(std::ostream& os, const MFloatMatrix& m);

    float matrix[4][4];
};
