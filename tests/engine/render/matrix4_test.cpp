// Matrix4 products and the translation and scale builders (row vectors, translation
// in the fourth row).
#include "engine/render/matrix4.h"

#include <gtest/gtest.h>

namespace {

// A point (x, y, z, 1) times the matrix.
std::array<float, 4> Transform(const vrk::Matrix4& m, float x, float y, float z)
{
    const float in[4] = {x, y, z, 1.0f};
    std::array<float, 4> out{};
    for (int column = 0; column < 4; ++column)
        for (int k = 0; k < 4; ++k) out[column] += in[k] * m.At(k, column);
    return out;
}

TEST(Matrix4, Translation_SitsInTheFourthRow)
{
    const vrk::Matrix4 t = vrk::Matrix4::Translation(1, 2, 3);
    EXPECT_EQ(t.At(3, 0), 1.0f);
    EXPECT_EQ(t.At(3, 1), 2.0f);
    EXPECT_EQ(t.At(3, 2), 3.0f);
    EXPECT_EQ(t.At(0, 3), 0.0f);
    EXPECT_EQ(Transform(t, 10, 20, 30), (std::array<float, 4>{11, 22, 33, 1}));
}

TEST(Matrix4, Scale_IsDiagonal)
{
    const vrk::Matrix4 s = vrk::Matrix4::Scale(2, 3, 4);
    EXPECT_EQ(Transform(s, 1, 1, 1), (std::array<float, 4>{2, 3, 4, 1}));
    EXPECT_EQ(s.At(3, 3), 1.0f);
    EXPECT_EQ(s.At(0, 1), 0.0f);
}

TEST(Matrix4, Product_AppliesTheLeftMatrixFirst)
{
    // The zoom about a point: move the point to the origin, scale, move back.
    const vrk::Matrix4 zoom = vrk::Matrix4::Translation(-512, -384, 0) * vrk::Matrix4::Scale(2, 2, 1) *
                              vrk::Matrix4::Translation(512, 384, 0);
    EXPECT_EQ(Transform(zoom, 512, 384, 0), (std::array<float, 4>{512, 384, 0, 1}));
    EXPECT_EQ(Transform(zoom, 612, 384, 0), (std::array<float, 4>{712, 384, 0, 1}));
    const vrk::Matrix4 a = vrk::Matrix4::Translation(5, 0, 0);
    const vrk::Matrix4 b = vrk::Matrix4::Scale(3, 3, 3);
    EXPECT_EQ(Transform(vrk::Matrix4::Multiply(a, b), 1, 0, 0)[0], 18.0f);  // (1 + 5) * 3
    EXPECT_EQ(Transform(b * a, 1, 0, 0)[0], 8.0f);                          // 1 * 3 + 5
}

}  // namespace
