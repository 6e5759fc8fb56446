#include "scene/curve_interpolation.h"

#include <cmath>

namespace scene {

namespace {

// Value of every degree-p B-spline basis function at t over the full knot vector U.
std::vector<double> basisAt(const std::vector<double>& U, int p, int count, double t) {
    std::vector<double> N(U.size() - 1, 0.0);
    if (t >= U[count]) { // the end of a clamped curve belongs to the last function
        std::vector<double> last(count, 0.0);
        last[count - 1] = 1.0;
        return last;
    }
    for (size_t i = 0; i + 1 < U.size(); ++i)
        N[i] = (U[i] <= t && t < U[i + 1]) ? 1.0 : 0.0;
    for (int d = 1; d <= p; ++d)
        for (size_t i = 0; i + d + 1 < U.size(); ++i) {
            double a = U[i + d] - U[i], b = U[i + d + 1] - U[i + 1];
            N[i] = (a > 0 ? (t - U[i]) / a * N[i] : 0.0) +
                   (b > 0 ? (U[i + d + 1] - t) / b * N[i + 1] : 0.0);
        }
    N.resize(count);
    return N;
}

// Solves A x = b for three right-hand sides by elimination with partial pivoting.
bool solve(std::vector<std::vector<double>> A, std::vector<Vec3>& b) {
    const size_t n = A.size();
    for (size_t c = 0; c < n; ++c) {
        size_t pivot = c;
        for (size_t r = c + 1; r < n; ++r)
            if (std::fabs(A[r][c]) > std::fabs(A[pivot][c]))
                pivot = r;
        if (std::fabs(A[pivot][c]) < 1e-12)
            return false;
        std::swap(A[c], A[pivot]);
        std::swap(b[c], b[pivot]);
        for (size_t r = 0; r < n; ++r) {
            if (r == c || A[r][c] == 0.0)
                continue;
            double f = A[r][c] / A[c][c];
            for (size_t k = c; k < n; ++k)
                A[r][k] -= f * A[c][k];
            for (int k = 0; k < 3; ++k)
                b[r][k] -= f * b[c][k];
        }
    }
    for (size_t r = 0; r < n; ++r)
        for (int k = 0; k < 3; ++k)
            b[r][k] /= A[r][r];
    return true;
}

std::vector<double> parameters(const std::vector<Vec3>& points, bool uniform) {
    const size_t n = points.size() - 1;
    std::vector<double> t(points.size(), 0.0);
    double total = 0.0;
    for (size_t k = 1; k <= n && !uniform; ++k) {
        double d = std::sqrt(std::pow(points[k][0] - points[k - 1][0], 2) +
                             std::pow(points[k][1] - points[k - 1][1], 2) +
                             std::pow(points[k][2] - points[k - 1][2], 2));
        total += d;
        t[k] = total;
    }
    for (size_t k = 1; k <= n; ++k)
        t[k] = uniform || total == 0.0 ? static_cast<double>(k) / n : t[k] / total;
    return t;
}

} // namespace

bool interpolateCurve(const std::vector<Vec3>& points, int degree, bool uniformParam,
                      CurveGeometry& curve) {
    const int count = static_cast<int>(points.size());
    if (degree < 1 || count - 1 < degree)
        return false;
    std::vector<double> t = parameters(points, uniformParam);
    std::vector<double> U(count + degree + 1, 0.0);
    for (int j = 1; j <= count - 1 - degree; ++j) {
        for (int i = j; i < j + degree; ++i)
            U[j + degree] += t[i];
        U[j + degree] /= degree;
    }
    for (int i = count; i < count + degree + 1; ++i)
        U[i] = 1.0;
    std::vector<std::vector<double>> A;
    for (int k = 0; k < count; ++k)
        A.push_back(basisAt(U, degree, count, t[k]));
    std::vector<Vec3> cvs = points;
    if (!solve(A, cvs))
        return false;
    const double spans = count - degree;
    curve = CurveGeometry();
    curve.degree = degree;
    for (const Vec3& p : cvs)
        curve.cvs.push_back({p[0], p[1], p[2], 1.0});
    // The host's knot list leaves out the first and last knot of the full vector.
    for (size_t i = 1; i + 1 < U.size(); ++i)
        curve.knots.push_back(U[i] * spans);
    return true;
}

} // namespace scene
