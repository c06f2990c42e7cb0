// Matrix4: a 4 x 4 float matrix, row-major, shared by the renderer and the game.
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
};

}  // namespace vrk
