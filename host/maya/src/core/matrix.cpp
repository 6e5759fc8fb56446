// MMatrix and MFloatMatrix: the same operations over double and float storage.
#include <maya/MFloatMatrix.h>
#include <maya/MMatrix.h>

#include <cmath>
#include <ostream>
#include <utility>

namespace {

template <class S> void setIdentity(S m[4][4]) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = r == c ? S(1) : S(0);
}

template <class S, class D> void copyCells(const S src[4][4], D dst[4][4]) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dst[r][c] = static_cast<D>(src[r][c]);
}

template <class S> void multiply(const S a[4][4], const S b[4][4], S out[4][4]) {
    S result[4][4];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            S sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a[r][k] * b[k][c];
            result[r][c] = sum;
        }
    copyCells(result, out);
}

template <class S> S det3(S a, S b, S c, S d, S e, S f, S g, S h, S i) {
    return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}

// Determinant of the 3x3 minor without row `row` and column `col`.
template <class S> S minor3(const S m[4][4], int row, int col) {
    S cells[9];
    int n = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (r != row && c != col)
                cells[n++] = m[r][c];
    return det3(cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6], cells[7],
                cells[8]);
}

template <class S> S determinant(const S m[4][4]) {
    S det = 0;
    for (int c = 0; c < 4; ++c)
        det += ((c % 2) ? -m[0][c] : m[0][c]) * minor3(m, 0, c);
    return det;
}

template <class S> void adjugate(const S m[4][4], S out[4][4]) {
    S result[4][4];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const S cofactor = minor3(m, r, c) * (((r + c) % 2) ? S(-1) : S(1));
            result[c][r] = cofactor;
        }
    copyCells(result, out);
}

// Gauss-Jordan elimination with partial pivoting; a singular matrix gives the identity.
template <class S> void invert(const S m[4][4], S out[4][4]) {
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c)
            a[r][c] = c < 4 ? static_cast<double>(m[r][c]) : (c - 4 == r ? 1.0 : 0.0);
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-300) {
            setIdentity(out);
            return;
        }
        for (int c = 0; c < 8; ++c)
            std::swap(a[col][c], a[pivot][c]);
        const double p = a[col][col];
        for (int c = 0; c < 8; ++c)
            a[col][c] /= p;
        for (int r = 0; r < 4; ++r) {
            if (r == col)
                continue;
            const double f = a[r][col];
            for (int c = 0; c < 8; ++c)
                a[r][c] -= f * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r][c] = static_cast<S>(a[r][c + 4]);
}

template <class S> bool equivalent(const S a[4][4], const S b[4][4], S tolerance) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(a[r][c] - b[r][c]) > tolerance)
                return false;
    return true;
}

template <class S> bool equal(const S a[4][4], const S b[4][4]) {
    return equivalent(a, b, S(0));
}

template <class S> void combine(const S a[4][4], const S b[4][4], S sign, S out[4][4]) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r][c] = a[r][c] + sign * b[r][c];
}

template <class S> std::ostream& print(std::ostream& os, const S m[4][4]) {
    os << "[";
    for (int r = 0; r < 4; ++r) {
        os << (r ? ", [" : "[");
        for (int c = 0; c < 4; ++c)
            os << (c ? ", " : "") << m[r][c];
        os << "]";
    }
    return os << "]";
}

} // namespace

// The macro writes the operations both matrix classes share.
#define MCORE_MATRIX_MEMBERS(Matrix, S)                                                            \
    Matrix::Matrix() {                                                                             \
        setIdentity(matrix);                                                                       \
    }                                                                                              \
    Matrix::Matrix(const double m[4][4]) {                                                         \
        copyCells(m, matrix);                                                                      \
    }                                                                                              \
    Matrix::Matrix(const float m[4][4]) {                                                          \
        copyCells(m, matrix);                                                                      \
    }                                                                                              \
    MStatus Matrix::get(double dest[4][4]) const {                                                 \
        copyCells(matrix, dest);                                                                   \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Matrix::get(float dest[4][4]) const {                                                  \
        copyCells(matrix, dest);                                                                   \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    Matrix Matrix::transpose() const {                                                             \
        Matrix result;                                                                             \
        for (int r = 0; r < 4; ++r)                                                                \
            for (int c = 0; c < 4; ++c)                                                            \
                result.matrix[r][c] = matrix[c][r];                                                \
        return result;                                                                             \
    }                                                                                              \
    Matrix& Matrix::setToIdentity() {                                                              \
        setIdentity(matrix);                                                                       \
        return *this;                                                                              \
    }                                                                                              \
    Matrix& Matrix::setToProduct(const Matrix& left, const Matrix& right) {                        \
        multiply(left.matrix, right.matrix, matrix);                                               \
        return *this;                                                                              \
    }                                                                                              \
    Matrix Matrix::inverse() const {                                                               \
        Matrix result;                                                                             \
        invert(matrix, result.matrix);                                                             \
        return result;                                                                             \
    }                                                                                              \
    Matrix Matrix::adjoint() const {                                                               \
        Matrix result;                                                                             \
        adjugate(matrix, result.matrix);                                                           \
        return result;                                                                             \
    }                                                                                              \
    Matrix Matrix::homogenize() const {                                                            \
        Matrix result(*this);                                                                      \
        const S w = matrix[3][3];                                                                  \
        if (w != S(0))                                                                             \
            for (int r = 0; r < 4; ++r)                                                            \
                for (int c = 0; c < 4; ++c)                                                        \
                    result.matrix[r][c] /= w;                                                      \
        return result;                                                                             \
    }                                                                                              \
    S Matrix::det4x4() const {                                                                     \
        return determinant(matrix);                                                                \
    }                                                                                              \
    S Matrix::det3x3() const {                                                                     \
        return minor3(matrix, 3, 3);                                                               \
    }                                                                                              \
    bool Matrix::isEquivalent(const Matrix& other, S tolerance) const {                            \
        return equivalent(matrix, other.matrix, tolerance);                                        \
    }                                                                                              \
    Matrix Matrix::operator*(const Matrix& right) const {                                          \
        Matrix result;                                                                             \
        multiply(matrix, right.matrix, result.matrix);                                             \
        return result;                                                                             \
    }                                                                                              \
    Matrix& Matrix::operator*=(const Matrix& right) {                                              \
        multiply(matrix, right.matrix, matrix);                                                    \
        return *this;                                                                              \
    }                                                                                              \
    Matrix Matrix::operator*(S scalar) const {                                                     \
        Matrix result(*this);                                                                      \
        for (int r = 0; r < 4; ++r)                                                                \
            for (int c = 0; c < 4; ++c)                                                            \
                result.matrix[r][c] *= scalar;                                                     \
        return result;                                                                             \
    }                                                                                              \
    Matrix Matrix::operator+(const Matrix& right) const {                                          \
        Matrix result;                                                                             \
        combine(matrix, right.matrix, S(1), result.matrix);                                        \
        return result;                                                                             \
    }                                                                                              \
    Matrix Matrix::operator-(const Matrix& right) const {                                          \
        Matrix result;                                                                             \
        combine(matrix, right.matrix, S(-1), result.matrix);                                       \
        return result;                                                                             \
    }                                                                                              \
    bool Matrix::operator==(const Matrix& other) const {                                           \
        return equal(matrix, other.matrix);                                                        \
    }                                                                                              \
    bool Matrix::operator!=(const Matrix& other) const {                                           \
        return !(*this == other);                                                                  \
    }                                                                                              \
    std::ostream& operator<<(std::ostream& os, const Matrix& m) {                                  \
        return print(os, m.matrix);                                                                \
    }

MCORE_MATRIX_MEMBERS(MMatrix, double)
MCORE_MATRIX_MEMBERS(MFloatMatrix, float)

const MMatrix MMatrix::identity;

bool MMatrix::isSingular() const {
    return std::fabs(det4x4()) < 1e-12;
}
MMatrix& MMatrix::operator*=(double scalar) {
    return *this = *this * scalar;
}
MMatrix& MMatrix::operator+=(const MMatrix& right) {
    return *this = *this + right;
}
MMatrix& MMatrix::operator-=(const MMatrix& right) {
    return *this = *this - right;
}
