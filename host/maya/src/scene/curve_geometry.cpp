#include "scene/curve_geometry.h"

#include "scene/mel_values.h"
#include "scene/word_reader.h"

namespace scene {

std::string CurveGeometry::validate() const {
    if (degree < 1 || degree > kMostDegree)
        return "curve degree must be 1 to " + std::to_string(kMostDegree);
    if (form < kOpen || form > kPeriodic)
        return "curve form must be 0, 1 or 2";
    // Fewer CVs than degree + 1 make a degenerate curve; it is kept, since a curve is still
    // meaningful to nodes that read only its CVs.
    if (cvs.empty())
        return "a curve needs at least one CV";
    if (knots.size() != cvs.size() + degree - 1)
        return "a curve with " + std::to_string(cvs.size()) + " CVs of degree " +
               std::to_string(degree) + " needs " + std::to_string(cvs.size() + degree - 1) +
               " knots";
    for (size_t i = 1; i < knots.size(); ++i)
        if (knots[i] < knots[i - 1])
            return "curve knots must not decrease";
    return "";
}

std::vector<double> CurveGeometry::defaultKnots(int cvCount, int degree, int form) {
    std::vector<double> knots;
    int count = cvCount + degree - 1;
    for (int i = 0; i < count; ++i) {
        if (form == kPeriodic)
            knots.push_back(i - (degree - 1));
        else if (i < degree)
            knots.push_back(0);
        else if (i >= count - degree)
            knots.push_back(cvCount - degree);
        else
            knots.push_back(i - degree + 1);
    }
    return knots;
}

std::string formatCurve(const CurveGeometry& curve) {
    std::string out = std::to_string(curve.degree) + " " +
                      std::to_string(static_cast<int>(curve.cvs.size()) - curve.degree) + " " +
                      std::to_string(curve.form) + " " + (curve.rational ? "yes" : "no") + " 3\n";
    out += std::to_string(curve.knots.size());
    for (double k : curve.knots)
        out += " " + formatDouble(k);
    out += "\n" + std::to_string(curve.cvs.size());
    for (const auto& cv : curve.cvs) {
        out += "\n" + formatDouble(cv[0]) + " " + formatDouble(cv[1]) + " " + formatDouble(cv[2]);
        if (curve.rational)
            out += " " + formatDouble(cv[3]);
    }
    return out;
}

std::string parseCurve(const std::vector<std::string>& words, size_t& next, CurveGeometry& curve) {
    WordReader in(words, next);
    int spans = 0, dimension = 0;
    size_t cvCount = 0;
    if (!in.integer(curve.degree) || !in.integer(spans) || !in.integer(curve.form) ||
        !in.boolean(curve.rational) || !in.integer(dimension))
        return "curve header must be: degree spans form rational dimension";
    if (dimension != 2 && dimension != 3)
        return "curve dimension must be 2 or 3";
    if (curve.degree < 1 || curve.degree > CurveGeometry::kMostDegree)
        return "curve degree must be 1 to " + std::to_string(CurveGeometry::kMostDegree);
    if (!in.counted(curve.knots))
        return "bad curve knots";
    if (!in.count(cvCount))
        return "bad curve CV count";
    curve.cvs.assign(cvCount, {0.0, 0.0, 0.0, 1.0});
    for (auto& cv : curve.cvs) {
        for (int k = 0; k < dimension; ++k)
            if (!in.number(cv[k]))
                return "bad curve CV value";
        if (curve.rational && !in.number(cv[3]))
            return "bad curve CV weight";
    }
    if (spans != static_cast<long long>(cvCount) - curve.degree)
        return "curve spans do not match its CVs and degree";
    return curve.validate();
}

} // namespace scene
