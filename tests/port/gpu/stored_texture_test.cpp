// CPU copies of texture levels: sizes per format, mip chains and lock rules.
#include "port/gpu/stored_texture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace port;

class PlainTexture : public StoredTexture {
public:
    using StoredTexture::StoredTexture;
    std::vector<uint32_t> changed;

protected:
    void OnLevelChanged(uint32_t level) override { changed.push_back(level); }
};

TEST(StoredTextureTest, LevelSizes_PerFormat) {
    struct Row {
        GpuFormat format;
        uint32_t width, height, pitch, bytes;
    };
    const std::vector<Row> table = {
        {kFormatL8, 5, 3, 5, 15},          {kFormatA8L8, 5, 3, 10, 30},
        {kFormatR5G6B5, 4, 2, 8, 16},      {kFormatX8R8G8B8, 3, 3, 12, 36},
        {kFormatA8R8G8B8, 1, 1, 4, 4},     {kFormatDXT1, 1, 1, 8, 8},
        {kFormatDXT1, 6, 4, 16, 16},       {kFormatDXT3, 2, 2, 16, 16},
        {kFormatDXT5, 8, 8, 32, 64},
    };
    for (const Row& row : table) {
        PlainTexture texture(nullptr, row.width, row.height, 1, row.format);
        LockedRect locked;
        ASSERT_EQ(texture.LockRect(0, locked, 0), kGpuOk);
        EXPECT_EQ(locked.pitch, static_cast<int32_t>(row.pitch)) << row.format << " " << row.width;
        EXPECT_EQ(texture.LevelBytes(0).size(), row.bytes) << row.format << " " << row.width;
        texture.UnlockRect(0);
    }
}

TEST(StoredTextureTest, MipChain_ZeroLevelsMeansFullChainAndExcessIsCapped) {
    EXPECT_EQ(FullMipChainLength(256, 64), 9u);
    EXPECT_EQ(FullMipChainLength(1, 1), 1u);
    PlainTexture full(nullptr, 256, 64, 0, kFormatA8R8G8B8);
    EXPECT_EQ(full.GetLevelCount(), 9u);
    SurfaceDesc last;
    ASSERT_EQ(full.GetLevelDesc(8, last), kGpuOk);
    EXPECT_EQ(last.width, 1u);
    EXPECT_EQ(last.height, 1u);
    EXPECT_EQ(full.GetLevelDesc(9, last), kGpuInvalidCall);
    PlainTexture capped(nullptr, 4, 4, 20, kFormatL8);
    EXPECT_EQ(capped.GetLevelCount(), 3u);
}

TEST(StoredTextureTest, Lock_OnceAtATimeAndReadOnlyChangesNothing) {
    PlainTexture texture(nullptr, 4, 4, 2, kFormatA8R8G8B8);
    LockedRect locked;
    ASSERT_EQ(texture.LockRect(1, locked, kLockReadOnly), kGpuOk);
    EXPECT_EQ(texture.LockRect(1, locked, 0), kGpuInvalidCall);
    EXPECT_EQ(texture.UnlockRect(1), kGpuOk);
    EXPECT_TRUE(texture.changed.empty());
    EXPECT_EQ(texture.UnlockRect(1), kGpuInvalidCall);
    ASSERT_EQ(texture.LockRect(0, locked, 0), kGpuOk);
    locked.bits[0] = 7;
    EXPECT_EQ(texture.UnlockRect(0), kGpuOk);
    EXPECT_EQ(texture.changed, std::vector<uint32_t>{0});
    EXPECT_EQ(texture.LevelBytes(0)[0], 7);
    EXPECT_EQ(texture.LockRect(2, locked, 0), kGpuInvalidCall);
}

}  // namespace
