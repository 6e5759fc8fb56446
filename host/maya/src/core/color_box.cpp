// MColor and MBoundingBox.
#include <maya/MBoundingBox.h>
#include <maya/MColor.h>
#include <maya/MMatrix.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

void hsvToRgb(float h, float s, float v, float& r, float& g, float& b) {
    // Hue in degrees, as Maya's colour pickers give it.
    h = std::fmod(std::fmod(h, 360.0f) + 360.0f, 360.0f) / 60.0f;
    const int sector = static_cast<int>(h);
    const float f = h - static_cast<float>(sector);
    const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0:
        r = v;
        g = t;
        b = p;
        break;
    case 1:
        r = q;
        g = v;
        b = p;
        break;
    case 2:
        r = p;
        g = v;
        b = t;
        break;
    case 3:
        r = p;
        g = q;
        b = v;
        break;
    case 4:
        r = t;
        g = p;
        b = v;
        break;
    default:
        r = v;
        g = p;
        b = q;
        break;
    }
}

void rgbToHsv(float r, float g, float b, float& h, float& s, float& v) {
    const float maxc = std::max({r, g, b});
    const float minc = std::min({r, g, b});
    v = maxc;
    const float delta = maxc - minc;
    s = maxc > 0 ? delta / maxc : 0;
    if (delta <= 0) {
        h = 0;
        return;
    }
    if (maxc == r)
        h = 60.0f * std::fmod((g - b) / delta, 6.0f);
    else if (maxc == g)
        h = 60.0f * ((b - r) / delta + 2.0f);
    else
        h = 60.0f * ((r - g) / delta + 4.0f);
    if (h < 0)
        h += 360.0f;
}

} // namespace

const MColor MColor::kOpaqueBlack(0.0f, 0.0f, 0.0f, 1.0f);

MColor::MColor(MColorType colorModel, unsigned char c1, unsigned char c2, unsigned char c3,
               unsigned char alpha)
    : MColor(colorModel, c1 / 255.0f, c2 / 255.0f, c3 / 255.0f, alpha / 255.0f) {}
MColor::MColor(MColorType colorModel, unsigned short c1, unsigned short c2, unsigned short c3,
               unsigned short alpha)
    : MColor(colorModel, c1 / 65535.0f, c2 / 65535.0f, c3 / 65535.0f, alpha / 65535.0f) {}
MColor::MColor(MColorType colorModel, float c1, float c2, float c3, float alpha) : MColor() {
    set(colorModel, c1, c2, c3, alpha);
}
MColor::MColor(MColorType colorModel, double c1, double c2, double c3, double alpha)
    : MColor(colorModel, static_cast<float>(c1), static_cast<float>(c2), static_cast<float>(c3),
             static_cast<float>(alpha)) {}

bool MColor::set(MColorType colorModel, float c1, float c2, float c3, float alpha) {
    a = alpha;
    switch (colorModel) {
    case kHSV:
        hsvToRgb(c1, c2, c3, r, g, b);
        return true;
    case kCMY:
    case kCMYK:
        r = 1 - c1;
        g = 1 - c2;
        b = 1 - c3;
        return true;
    default:
        r = c1;
        g = c2;
        b = c3;
        return true;
    }
}

float MColor::operator()(unsigned int i) const {
    return i == 0 ? r : i == 1 ? g : i == 2 ? b : a;
}
float& MColor::operator()(unsigned int i) {
    return i == 0 ? r : i == 1 ? g : i == 2 ? b : a;
}

bool MColor::get(float d[3]) const {
    d[0] = r;
    d[1] = g;
    d[2] = b;
    return true;
}

bool MColor::get(MColorType colorModel, float& c1, float& c2, float& c3) const {
    switch (colorModel) {
    case kHSV:
        rgbToHsv(r, g, b, c1, c2, c3);
        return true;
    case kCMY:
    case kCMYK:
        c1 = 1 - r;
        c2 = 1 - g;
        c3 = 1 - b;
        return true;
    default:
        c1 = r;
        c2 = g;
        c3 = b;
        return true;
    }
}

bool MColor::get(MColorType colorModel, float& c1, float& c2, float& c3, float& alpha) const {
    alpha = a;
    return get(colorModel, c1, c2, c3);
}

MColor& MColor::operator+=(const MColor& o) {
    return *this = *this + o;
}
MColor& MColor::operator-=(const MColor& o) {
    return *this = *this - o;
}
MColor& MColor::operator*=(float s) {
    return *this = *this * s;
}
MColor& MColor::operator*=(const MColor& o) {
    return *this = *this * o;
}
MColor& MColor::operator/=(float s) {
    return *this = *this / s;
}
MColor MColor::operator+(const MColor& o) const {
    return MColor(r + o.r, g + o.g, b + o.b, a + o.a);
}
MColor MColor::operator-(const MColor& o) const {
    return MColor(r - o.r, g - o.g, b - o.b, a - o.a);
}
MColor MColor::operator-() const {
    return MColor(-r, -g, -b, -a);
}
MColor MColor::operator*(float s) const {
    return MColor(r * s, g * s, b * s, a * s);
}
MColor MColor::operator*(const MColor& o) const {
    return MColor(r * o.r, g * o.g, b * o.b, a * o.a);
}
MColor MColor::operator/(float s) const {
    return MColor(r / s, g / s, b / s, a / s);
}
bool MColor::operator==(const MColor& o) const {
    return r == o.r && g == o.g && b == o.b && a == o.a;
}
bool MColor::operator!=(const MColor& o) const {
    return !(*this == o);
}
bool MColor::isEquivalent(const MColor& o, float tolerance) const {
    return std::fabs(r - o.r) <= tolerance && std::fabs(g - o.g) <= tolerance &&
           std::fabs(b - o.b) <= tolerance && std::fabs(a - o.a) <= tolerance;
}

std::ostream& operator<<(std::ostream& os, const MColor& c) {
    return os << "[" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << "]";
}

// ---- MBoundingBox ------------------------------------------------------------------------------

MBoundingBox::MBoundingBox() : fEmpty(true) {}

MBoundingBox::MBoundingBox(const MPoint& corner1, const MPoint& corner2)
    : fMin(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y),
           std::min(corner1.z, corner2.z)),
      fMax(std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y),
           std::max(corner1.z, corner2.z)),
      fEmpty(false) {}

void MBoundingBox::clear() {
    *this = MBoundingBox();
}

void MBoundingBox::transformUsing(const MMatrix& matrix) {
    if (fEmpty)
        return;
    const MPoint lo = fMin, hi = fMax;
    fEmpty = true;
    for (int k = 0; k < 8; ++k)
        expand(MPoint(k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z) * matrix);
}

void MBoundingBox::expand(const MPoint& point) {
    MPoint p = point;
    p.cartesianize();
    if (fEmpty) {
        fMin = fMax = MPoint(p.x, p.y, p.z);
        fEmpty = false;
        return;
    }
    fMin = MPoint(std::min(fMin.x, p.x), std::min(fMin.y, p.y), std::min(fMin.z, p.z));
    fMax = MPoint(std::max(fMax.x, p.x), std::max(fMax.y, p.y), std::max(fMax.z, p.z));
}

void MBoundingBox::expand(const MBoundingBox& box) {
    if (box.fEmpty)
        return;
    expand(box.fMin);
    expand(box.fMax);
}

bool MBoundingBox::contains(const MPoint& p) const {
    return !fEmpty && p.x >= fMin.x && p.x <= fMax.x && p.y >= fMin.y && p.y <= fMax.y &&
           p.z >= fMin.z && p.z <= fMax.z;
}

bool MBoundingBox::intersects(const MBoundingBox& box, double tol) const {
    if (fEmpty || box.fEmpty)
        return false;
    return fMin.x <= box.fMax.x + tol && box.fMin.x <= fMax.x + tol && fMin.y <= box.fMax.y + tol &&
           box.fMin.y <= fMax.y + tol && fMin.z <= box.fMax.z + tol && box.fMin.z <= fMax.z + tol;
}

double MBoundingBox::width() const {
    return fMax.x - fMin.x;
}
double MBoundingBox::height() const {
    return fMax.y - fMin.y;
}
double MBoundingBox::depth() const {
    return fMax.z - fMin.z;
}
MPoint MBoundingBox::center() const {
    return MPoint((fMin.x + fMax.x) / 2, (fMin.y + fMax.y) / 2, (fMin.z + fMax.z) / 2);
}
MPoint MBoundingBox::min() const {
    return fMin;
}
MPoint MBoundingBox::max() const {
    return fMax;
}
