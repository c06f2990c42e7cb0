// Matrix4: a 4 x 4 float matrix, row-major with the translation in the fourth row
// (points are row vectors multiplied from the left), shared by the renderer and the
// game's fade zoom.
#pragma once
#include <algorithm>
#include <array>

namespace vrk {

struct Matrix4 {
    static constexpr int kSize = 4;

    std::array<float, kSize * kSize> m{};

    float& At(int row, int column) { return m[row * kSize + column]; }
    float At(int row, int column) const { return m[row * kSize + column]; }

    // Copies all 16 values in order.
    Matrix4& Assign(const Matrix4& other)
    {
        std::copy(other.m.begin(), other.m.end(), m.begin());
        return *this;
    }

    static Matrix4 Translation(float x, float y, float z);
    static Matrix4 Scale(float sx, float sy, float sz);
    // a x b: a point is moved by a first, then by b.
    static Matrix4 Multiply(const Matrix4& a, const Matrix4& b);

    Matrix4 operator*(const Matrix4& other) const { return Multiply(*this, other); }
};

}  // namespace vrk
