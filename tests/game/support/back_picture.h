// A scene's whole 1024 x 768 background as the art tool paints it, read from the
// four pictures the background object lays out two by two (data/texture/back/NAME_0
// to _3), and looked up at a scene point (y up, as the scene counts).
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/path_record.h"
#include "engine/files/png_reader.h"
#include "engine/render/image.h"
#include "framework/objects/small_math.h"

namespace test {

struct BackRgb {
    int r = 0, g = 0, b = 0;
};

class BackPicture {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    // False when a quarter is missing or of another size.
    bool Read(const std::string& name)
    {
        // x, y of each quarter's top-left in the picture (y down): _0 bottom-left,
        // _1 top-left, _2 bottom-right, _3 top-right.
        constexpr int kQuarters[4][2] = {{0, 256}, {0, 0}, {512, 256}, {512, 0}};
        constexpr int kQuarterWidth = 512;
        pixels_.assign(static_cast<size_t>(kWidth * kHeight), BackRgb{});
        for (int quarter = 0; quarter < 4; ++quarter) {
            vrk::cImage image;
            const std::string path =
                KELVARA_SOURCE_DIR "/data/texture/back/" + name + "_" + std::to_string(quarter) + ".png";
            if (vrk::ReadPng(image, vrk::PathRecord(path)) != 0) return false;
            const uint32_t format = image.Format();
            const size_t bytes = format == vrk::kFormatR8G8B8A8 ? 4 : format == vrk::kFormatR8G8B8 ? 3 : 0;
            const int height = quarter % 2 == 0 ? 512 : 256;
            if (bytes == 0 || image.Width() != static_cast<uint32_t>(kQuarterWidth) ||
                image.Height() != static_cast<uint32_t>(height))
                return false;
            const uint8_t* data = image.LevelData(0);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < kQuarterWidth; ++x) {
                    const uint8_t* p = data + (static_cast<size_t>(y) * kQuarterWidth + static_cast<size_t>(x)) * bytes;
                    const int px = kQuarters[quarter][0] + x;
                    const int py = kQuarters[quarter][1] + y;
                    pixels_[static_cast<size_t>(py * kWidth + px)] = {p[0], p[1], p[2]};
                }
            }
        }
        return true;
    }

    // The pixel under a scene point, the nearest edge pixel for a point outside.
    BackRgb At(const vec2& point) const
    {
        const int x = std::clamp(static_cast<int>(point.x), 0, kWidth - 1);
        const int y = std::clamp(static_cast<int>(static_cast<float>(kHeight) - point.y), 0, kHeight - 1);
        return pixels_[static_cast<size_t>(y * kWidth + x)];
    }
    bool Contains(const vec2& point) const
    {
        return point.x >= 0.0f && point.x < kWidth && point.y > 0.0f && point.y <= kHeight;
    }

private:
    std::vector<BackRgb> pixels_;
};

}  // namespace test
