// Replays the committed seed corpus of every fuzz target: each file of
// corpus/<target>/ is handed to the target's entry point, and the replay passes when
// none of them crashes (the sanitizer build turns memory errors into crashes).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#define KELVARA_FUZZ_TARGET(name) extern "C" int FuzzTarget_##name(const uint8_t* data, size_t size);
#include "fuzz_targets.inc"
#undef KELVARA_FUZZ_TARGET

namespace {

struct FuzzTarget {
    const char* name;
    int (*entry)(const uint8_t* data, size_t size);
};

const FuzzTarget kTargets[] = {
#define KELVARA_FUZZ_TARGET(name) {#name, FuzzTarget_##name},
#include "fuzz_targets.inc"
#undef KELVARA_FUZZ_TARGET
};

void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.name; }

const std::filesystem::path kCorpus = KELVARA_FUZZ_CORPUS;

std::vector<std::filesystem::path> SeedFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusReplay : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(CorpusReplay, EverySeedIsReadWithoutACrash)
{
    const std::vector<std::filesystem::path> seeds = SeedFiles(kCorpus / GetParam().name);
    ASSERT_FALSE(seeds.empty()) << "no seeds in " << (kCorpus / GetParam().name);
    for (const auto& seed : seeds) {
        SCOPED_TRACE(seed.string());
        std::ifstream in(seed, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(GetParam().entry(bytes.data(), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CorpusReplayTest, EveryCorpusFolderBelongsToATarget)
{
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        if (!entry.is_directory()) continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_TRUE(std::any_of(std::begin(kTargets), std::end(kTargets),
                                [&](const FuzzTarget& target) { return folder == target.name; }))
            << folder;
    }
}

}  // namespace
