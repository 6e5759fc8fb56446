#pragma once
// RGBA colour; the default is black with alpha 1.
#include <maya/MStatus.h>
#include <iosfwd>

class MColor {
public:
    enum MColorType { kRGB, kHSV, kCMY, kCMYK };

    MColor() : r(0.0f), g(0.0f), b(0.0f), a(1.0f) {}
    MColor(const MColor& src) = default;
    MColor(float rr, float gg, float bb = 0.0f, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}
    MColor(const float d[3]) : r(d[0]), g(d[1]), b(d[2]), a(1.0f) {}
    explicit MColor(float alpha) : r(0.0f), g(0.0f), b(0.0f), a(alpha) {}
    MColor(MColorType colorModel, unsigned char c1, unsigned char c2, unsigned char c3,
           unsigned char alpha = 255U);
    MColor(MColorType colorModel, unsigned short c1, unsigned short c2, unsigned short c3,
           unsigned short alpha = 65535U);
    MColor(MColorType colorModel, float c1, float c2, float c3, float alpha = 1.0f);
    MColor(MColorType colorModel, double c1, double c2, double c3, double alpha = 1.0);
    ~MColor() = default;
    MColor& operator=(const MColor& src) = default;

    float operator()(unsigned int i) const;
    float& operator()(unsigned int i);
    float operator[](unsigned int i) const { return (*this)(i); }
    float& operator[](unsigned int i) { return (*this)(i); }
    bool get(float d[3]) const;
    bool get(MColorType colorModel, float& c1, float& c2, float& c3) const;
    bool get(MColorType colorModel, float& c1, float& c2, float& c3, float& alpha) const;
    bool set(MColorType colorModel, float c1, float c2, float c3, float alpha = 1.0f);

    MColor& operator+=(const MColor& other);
    MColor& operator-=(const MColor& other);
    MColor& operator*=(float scalar);
    MColor& operator*=(const MColor& other);
    MColor& operator/=(float scalar);
    MColor operator+(const MColor& other) const;
    MColor operator-(const MColor& other) const;
    MColor operator-() const;
    MColor operator*(float scalar) const;
    MColor operator*(const MColor& other) const;
    MColor operator/(float scalar) const;
    friend MColor operator*(float scalar, const MColor& c) { return c * scalar; }
    bool operator==(const MColor& other) const;
    bool operator!=(const MColor& other) const;
    bool isEquivalent(const MColor& other, float tolerance = 1.0e-5F) const;

    friend std::ostream& operator<<(std::ostream& os, const MColor& c);

    static const MColor kOpaqueBlack;

    float r, g, b, a;
};
