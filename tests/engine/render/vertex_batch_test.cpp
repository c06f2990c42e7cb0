// The batch writers: vertex allocation by texture run, capacity, and the geometry of
// quads, frames, lines and sectors.
#include "engine/render/vertex_batch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/render/render.h"
#include "engine/render/texture.h"

namespace {

using vrk::BatchVertex;
using vrk::cRender;
using vrk::VertexBatch;

std::shared_ptr<vrk::cTexture> MakeKey(const std::string& name)
{
    return std::make_shared<vrk::cTexture>(name);
}

TEST(VertexBatchTest, AllocBatchVertices_Takes65535ThenRefusesTheNextQuad)
{
    VertexBatch batch;
    ASSERT_NE(cRender::AllocBatchVertices(batch, nullptr, 65535), nullptr);
    EXPECT_EQ(batch.UsedVertices(), 65535u);
    EXPECT_EQ(cRender::AllocBatchVertices(batch, nullptr, 6), nullptr);
    EXPECT_EQ(cRender::AllocBatchVertices(batch, MakeKey("a"), 6), nullptr);
    EXPECT_EQ(batch.runCount, 1u) << "a refused request leaves no empty run behind";
}

TEST(VertexBatchTest, AllocBatchVertices_Refuses65536AtOnce)
{
    VertexBatch batch;
    EXPECT_EQ(cRender::AllocBatchVertices(batch, nullptr, 65536), nullptr);
    EXPECT_EQ(batch.runCount, 0u);
}

TEST(VertexBatchTest, AllocBatchVertices_SameKeyExtendsTheRunNewKeyStartsOne)
{
    VertexBatch batch;
    auto a = MakeKey("a");
    auto b = MakeKey("b");
    BatchVertex* first = cRender::AllocBatchVertices(batch, a, 6);
    BatchVertex* second = cRender::AllocBatchVertices(batch, a, 6);
    BatchVertex* third = cRender::AllocBatchVertices(batch, b, 3);
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(second - first, 6);
    EXPECT_EQ(third - first, 12);
    ASSERT_EQ(batch.runCount, 2u);
    EXPECT_EQ(batch.runs[0].count, 12u);
    EXPECT_EQ(batch.runs[1].first, 12u);
    EXPECT_EQ(batch.runs[1].key, b);
}

TEST(VertexBatchTest, AllocBatchVertices_501stTextureChangeGrowsTheRunList)
{
    VertexBatch batch;
    std::vector<std::shared_ptr<vrk::cTexture>> keys;
    for (int i = 0; i < 501; ++i) keys.push_back(MakeKey("t" + std::to_string(i)));
    for (const auto& key : keys) cRender::AddQuad(batch, key, 0, 0, 1, 1, 0, 0, 1, 1, 0xFFFFFFFF);
    ASSERT_EQ(batch.runCount, 501u);
    // Every run keeps its own texture: the 500th sprite is not re-textured.
    EXPECT_EQ(batch.runs[499].key, keys[499]);
    EXPECT_EQ(batch.runs[499].count, 6u);
    EXPECT_EQ(batch.runs[500].key, keys[500]);
    EXPECT_EQ(batch.runs[500].first, 3000u);
}

TEST(VertexBatchTest, Clear_DropsRunsAndTheirTextures)
{
    VertexBatch batch;
    auto key = MakeKey("a");
    cRender::AddQuad(batch, key, 0, 0, 1, 1, 0, 0, 1, 1, 0);
    EXPECT_EQ(key.use_count(), 2);
    batch.Clear();
    EXPECT_EQ(batch.runCount, 0u);
    EXPECT_EQ(key.use_count(), 1);
}

TEST(VertexBatchTest, AddQuad_WritesTwoTrianglesInCornerOrder)
{
    VertexBatch batch;
    cRender::AddQuad(batch, nullptr, 0.25f, 0.5f, 0.5f, 0.25f, 10, 20, 30, 40, 0x80112233);
    ASSERT_EQ(batch.UsedVertices(), 6u);
    const BatchVertex* v = batch.vertices.data();
    const float expected[6][4] = {{10, 20, 0.25f, 0.5f}, {40, 20, 0.75f, 0.5f}, {10, 60, 0.25f, 0.75f},
                                  {10, 60, 0.25f, 0.75f}, {40, 20, 0.75f, 0.5f}, {40, 60, 0.75f, 0.75f}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(v[i].y, expected[i][1]) << i;
        EXPECT_FLOAT_EQ(v[i].u, expected[i][2]) << i;
        EXPECT_FLOAT_EQ(v[i].v, expected[i][3]) << i;
        EXPECT_EQ(v[i].z, 0.0f);
        EXPECT_EQ(v[i].color, 0x80112233u);
    }
}

struct FrameCase {
    bool center;
    uint32_t vertices;
};
class DrawFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(DrawFrameTest, WritesEightOrNineCellsOnTheBorderGrid)
{
    VertexBatch batch;
    cRender::DrawFrame(batch, nullptr, 0, 0, 1, 1, 0.25f, 0.25f, 0, 0, 100, 50, 10, 5, GetParam().center,
                       0xFFFFFFFF);
    ASSERT_EQ(batch.UsedVertices(), GetParam().vertices);
    float minX = 1e9f, maxX = -1e9f;
    bool hasInnerLine = false;
    for (uint32_t i = 0; i < batch.UsedVertices(); ++i) {
        minX = std::min(minX, batch.vertices[i].x);
        maxX = std::max(maxX, batch.vertices[i].x);
        hasInnerLine |= batch.vertices[i].x == 90.0f && batch.vertices[i].u == 0.75f;
    }
    EXPECT_EQ(minX, 0.0f);
    EXPECT_EQ(maxX, 100.0f);
    EXPECT_TRUE(hasInnerLine);
}

INSTANTIATE_TEST_SUITE_P(Frames, DrawFrameTest,
                         ::testing::Values(FrameCase{false, 48}, FrameCase{true, 54}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                             return std::string(info.param.center ? "WithCentre" : "WithoutCentre");
                         });

TEST(VertexBatchTest, DrawLine_GoesUntexturedWithHalfWidthEachSide)
{
    VertexBatch batch;
    cRender::DrawLine(batch, MakeKey("ignored"), 0, 0, 1, 1, 0, 0, 10, 0, 4, 0xFFFFFFFF);
    ASSERT_EQ(batch.runCount, 1u);
    EXPECT_EQ(batch.runs[0].key, nullptr);
    const BatchVertex* v = batch.vertices.data();
    EXPECT_NEAR(v[0].x, 0.0f, 1e-5f);
    EXPECT_NEAR(v[0].y, -2.0f, 1e-5f);
    EXPECT_NEAR(v[5].x, 10.0f, 1e-5f);
    EXPECT_NEAR(v[5].y, 2.0f, 1e-5f);
}

TEST(VertexBatchTest, DrawSector_Writes32TrianglesAroundTheCentre)
{
    VertexBatch batch;
    const float pi = 3.14159265f;
    cRender::DrawSector(batch, nullptr, 0, 0, 1, 1, 50, 50, 10, 0, pi, 0xFFFFFFFF);
    ASSERT_EQ(batch.UsedVertices(), 96u);
    const BatchVertex* v = batch.vertices.data();
    EXPECT_FLOAT_EQ(v[0].x, 50.0f);
    EXPECT_FLOAT_EQ(v[0].u, 0.5f);
    EXPECT_NEAR(v[1].x, 60.0f, 1e-4f);
    EXPECT_NEAR(v[1].u, 1.0f, 1e-5f);
    EXPECT_NEAR(v[95].x, 40.0f, 1e-3f);
    EXPECT_NEAR(v[95].y, 50.0f, 1e-3f);
}

TEST(VertexBatchTest, FullBatch_AppendersWriteNothing)
{
    VertexBatch batch;
    ASSERT_NE(cRender::AllocBatchVertices(batch, nullptr, 65530), nullptr);
    cRender::DrawFrame(batch, nullptr, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, true, 0);
    cRender::DrawSector(batch, nullptr, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0);
    EXPECT_EQ(batch.UsedVertices(), 65530u);
}

}  // namespace
