#pragma once
// 4x4 double matrix, row-vector convention: p' = p * M, translation in row 3.
#include <maya/MStatus.h>
#include <iosfwd>

#define MMatrix_kTol 1.0e-10

class MMatrix {
public:
    MMatrix();
    MMatrix(const MMatrix& src) = default;
    MMatrix(const double m[4][4]);
    MMatrix(const float m[4][4]);
    ~MMatrix() = default;
    MMatrix& operator=(const MMatrix& src) = default;

    double operator()(unsigned int row, unsigned int col) const { return matrix[row][col]; }
    double& operator()(unsigned int row, unsigned int col) { return matrix[row][col]; }
    const double* operator[](unsigned int row) const { return matrix[row]; }
    double* operator[](unsigned int row) { return matrix[row]; }
    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;

    MMatrix transpose() const;
    MMatrix& setToIdentity();
    MMatrix& setToProduct(const MMatrix& left, const MMatrix& right);
    MMatrix inverse() const;
    MMatrix adjoint() const;
    MMatrix homogenize() const;
    double det4x4() const;
    double det3x3() const;
    bool isEquivalent(const MMatrix& other, double tolerance = MMatrix_kTol) const;
    bool isSingular() const;

    MMatrix operator*(const MMatrix& right) const;
    MMatrix& operator*=(const MMatrix& right);
    MMatrix operator*(double scalar) const;
    MMatrix& operator*=(double scalar);
    friend MMatrix operator*(double scalar, const MMatrix& right) { return right * scalar; }
    MMatrix operator+(const MMatrix& right) const;
    MMatrix& operator+=(const MMatrix& right);
    MMatrix operator-(const MMatrix& right) const;
    MMatrix& operator-=(const MMatrix& right);
    bool operator==(const MMatrix& other) const;
    bool operator!=(const MMatrix& other) const;

    friend std::ostream& operator<<(std::ostream& os, const MMatrix& m);

    static const MMatrix identity;

    double matrix[4][4];
};
