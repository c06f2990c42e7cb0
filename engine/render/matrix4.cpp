// The matrix products and the translation and scale builders.
#include "engine/render/matrix4.h"

namespace vrk {

namespace {

constexpr int kTranslationRow = 3;

Matrix4 Diagonal(float a, float b, float c)
{
    Matrix4 matrix;
    matrix.At(0, 0) = a;
    matrix.At(1, 1) = b;
    matrix.At(2, 2) = c;
    matrix.At(3, 3) = 1.0f;
    return matrix;
}

}  // namespace

Matrix4 Matrix4::Translation(float x, float y, float z)
{
    Matrix4 matrix = Diagonal(1.0f, 1.0f, 1.0f);
    matrix.At(kTranslationRow, 0) = x;
    matrix.At(kTranslationRow, 1) = y;
    matrix.At(kTranslationRow, 2) = z;
    return matrix;
}

Matrix4 Matrix4::Scale(float sx, float sy, float sz) { return Diagonal(sx, sy, sz); }

Matrix4 Matrix4::Multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 product;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < kSize; ++k) sum += a.At(row, k) * b.At(k, column);
            product.At(row, column) = sum;
        }
    }
    return product;
}

}  // namespace vrk
