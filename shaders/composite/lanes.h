#pragma once
// Four float lanes in one SSE register, so that a blend formula is computed for red, green and
// blue at once (the fourth lane is a spare) and its branches become lane-wise selections: random
// colours take both sides of every test, and mispredicted branches used to cost more than the
// arithmetic. Every operation is the IEEE single-precision one the scalar code uses, so a lane
// holds exactly the value the scalar formula gives. The scalar overloads below let one template
// serve both.
//
// SSE2 is part of every x86-64 processor, the only targets of the shader library.
#if !(defined(__SSE2__) || defined(_M_X64))
#error "the blend math needs SSE2 (x86-64)"
#endif
#include <emmintrin.h>

#include <cmath>

namespace quillomar::composite {

// Lane-wise comparison results: all bits set where true.
struct LaneMask {
    __m128 bits;
};

struct Lanes {
    __m128 v;

    Lanes(__m128 value) : v(value) {}
    // The same value in every lane, so constants read as in the scalar formulas.
    Lanes(float value) : v(_mm_set1_ps(value)) {}
    Lanes(float x, float y, float z, float w) : v(_mm_setr_ps(x, y, z, w)) {}
};

// Lane i of `a` in every lane.
template <int i> Lanes broadcast(Lanes a) {
    return _mm_shuffle_ps(a.v, a.v, _MM_SHUFFLE(i, i, i, i));
}

inline Lanes operator+(Lanes a, Lanes b) {
    return _mm_add_ps(a.v, b.v);
}
inline Lanes operator-(Lanes a, Lanes b) {
    return _mm_sub_ps(a.v, b.v);
}
inline Lanes operator*(Lanes a, Lanes b) {
    return _mm_mul_ps(a.v, b.v);
}
inline Lanes operator/(Lanes a, Lanes b) {
    return _mm_div_ps(a.v, b.v);
}

inline LaneMask operator<(Lanes a, Lanes b) {
    return {_mm_cmplt_ps(a.v, b.v)};
}
inline LaneMask operator<=(Lanes a, Lanes b) {
    return {_mm_cmple_ps(a.v, b.v)};
}
inline LaneMask operator>(Lanes a, Lanes b) {
    return {_mm_cmpgt_ps(a.v, b.v)};
}
inline LaneMask operator>=(Lanes a, Lanes b) {
    return {_mm_cmpge_ps(a.v, b.v)};
}
// Ordered: false where either side is not a number, as for floats.
inline LaneMask operator==(Lanes a, Lanes b) {
    return {_mm_cmpeq_ps(a.v, b.v)};
}

// `a and not b`.
inline LaneMask butNot(LaneMask a, LaneMask b) {
    return {_mm_andnot_ps(b.bits, a.bits)};
}
inline bool butNot(bool a, bool b) {
    return a && !b;
}

// `condition ? a : b`, lane by lane.
inline Lanes select(LaneMask condition, Lanes a, Lanes b) {
    return _mm_or_ps(_mm_and_ps(condition.bits, a.v), _mm_andnot_ps(condition.bits, b.v));
}
inline float select(bool condition, float a, float b) {
    return condition ? a : b;
}

// The sign bit cleared, as std::fabs does.
inline Lanes absolute(Lanes a) {
    return _mm_andnot_ps(_mm_set1_ps(-0.0f), a.v);
}
inline float absolute(float a) {
    return std::fabs(a);
}

// Correctly rounded, as sqrtf is.
inline Lanes squareRoot(Lanes a) {
    return _mm_sqrt_ps(a.v);
}
inline float squareRoot(float a) {
    return std::sqrt(a);
}

// std::min and std::max, including which side wins when either is not a number or both are
// equal: `a` unless `b` is strictly smaller (larger). MINPS and MAXPS return their second operand
// unless the first is strictly smaller (larger), so they take the operands the other way round.
inline float smaller(float a, float b) {
    return b < a ? b : a;
}
inline float larger(float a, float b) {
    return a < b ? b : a;
}
inline Lanes smaller(Lanes a, Lanes b) {
    return _mm_min_ps(b.v, a.v);
}
inline Lanes larger(Lanes a, Lanes b) {
    return _mm_max_ps(b.v, a.v);
}

// A scalar function applied to each lane on its own, for formulas kept in double precision.
template <typename F> Lanes eachLane(F f, Lanes a, Lanes b) {
    alignas(16) float x[4], y[4];
    _mm_store_ps(x, a.v);
    _mm_store_ps(y, b.v);
    return Lanes(f(x[0], y[0]), f(x[1], y[1]), f(x[2], y[2]), f(x[3], y[3]));
}

} // namespace quillomar::composite
