// Rate conversion: lengths, interpolated values and the end of the input.
#include "port/audio/linear_resampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Stereo input whose frame i carries i on both sides.
struct CountingInput {
    size_t total;
    size_t next = 0;
    size_t operator()(float* out, size_t frames)
    {
        const size_t n = std::min(frames, total - next);
        for (size_t i = 0; i < n; ++i)
            out[i * 2] = out[i * 2 + 1] = static_cast<float>(next + i);
        next += n;
        return n;
    }
};

std::vector<float> ReadAll(port::LinearResampler& resampler, CountingInput& counting, size_t block = 100)
{
    std::vector<float> all;
    std::vector<float> out(block * 2);
    const port::LinearResampler::Input input = [&counting](float* o, size_t f) { return counting(o, f); };
    for (;;) {
        const size_t got = resampler.Read(out.data(), block, input);
        all.insert(all.end(), out.begin(), out.begin() + static_cast<std::ptrdiff_t>(got * 2));
        if (got < block)
            return all;
    }
}

struct LengthCase {
    int inputRate;
    size_t inputFrames;
    size_t outputFrames;
};

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << c.inputFrames << " frames at " << c.inputRate << " Hz";
}

class ResamplerLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ResamplerLength, OutputLengthFollowsRateRatio)
{
    const auto& c = GetParam();
    port::LinearResampler resampler(c.inputRate, 44100);
    CountingInput input{c.inputFrames};
    EXPECT_EQ(ReadAll(resampler, input).size() / 2, c.outputFrames);
}

INSTANTIATE_TEST_SUITE_P(Rates, ResamplerLength,
                         ::testing::Values(LengthCase{44100, 0, 0}, LengthCase{44100, 1, 1},
                                           LengthCase{44100, 2, 2}, LengthCase{44100, 5000, 5000},
                                           LengthCase{22050, 1000, 2000}, LengthCase{88200, 1000, 500},
                                           LengthCase{11025, 3, 12}));

TEST(LinearResamplerTest, Upsampling_InterpolatesBetweenInputFrames)
{
    port::LinearResampler resampler(22050, 44100);
    CountingInput input{4};
    const auto all = ReadAll(resampler, input);
    const std::vector<float> expected = {0, 0, 0.5f, 0.5f, 1, 1, 1.5f, 1.5f, 2, 2, 2.5f, 2.5f, 3, 3, 3, 3};
    EXPECT_EQ(all, expected);
}

TEST(LinearResamplerTest, Reset_StartsOverFromNewInput)
{
    port::LinearResampler resampler(44100, 44100);
    CountingInput first{10};
    ReadAll(resampler, first);
    resampler.Reset();
    CountingInput second{3};
    EXPECT_EQ(ReadAll(resampler, second), (std::vector<float>{0, 0, 1, 1, 2, 2}));
}

}  // namespace
