// vec2: the two-float point and direction type of the scene, the curves and the
// walkers, with the usual component-wise arithmetic.
#pragma once
#include <cmath>

struct vec2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr vec2() = default;
    constexpr vec2(float xValue, float yValue) : x(xValue), y(yValue) {}

    constexpr vec2 operator-() const { return {-x, -y}; }
    constexpr vec2& operator+=(const vec2& o) { x += o.x; y += o.y; return *this; }
    constexpr vec2& operator-=(const vec2& o) { x -= o.x; y -= o.y; return *this; }
    constexpr vec2& operator*=(float s) { x *= s; y *= s; return *this; }
    constexpr vec2& operator/=(float s) { x /= s; y /= s; return *this; }

    float Length() const { return std::sqrt(x * x + y * y); }
    constexpr float LengthSquared() const { return x * x + y * y; }
    constexpr float Dot(const vec2& o) const { return x * o.x + y * o.y; }
};

constexpr vec2 operator+(vec2 a, const vec2& b) { return a += b; }
constexpr vec2 operator-(vec2 a, const vec2& b) { return a -= b; }
constexpr vec2 operator*(vec2 a, float s) { return a *= s; }
constexpr vec2 operator*(float s, vec2 a) { return a *= s; }
constexpr vec2 operator/(vec2 a, float s) { return a /= s; }
constexpr bool operator==(const vec2& a, const vec2& b) { return a.x == b.x && a.y == b.y; }
constexpr bool operator!=(const vec2& a, const vec2& b) { return !(a == b); }
