// ResourceVector: an amount per resource kind (costs, yields, stocks, shortfalls),
// and the captions that show amounts as coloured numbers with resource icons.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ResourceVector {
public:
    // The resource count when there is no application to ask (the game's four).
    static constexpr int32_t kDefaultResourceCount = 4;

    // Every entry 0, one per resource kind.
    ResourceVector();
    // One entry per resource kind, entry i = values[i]; kinds beyond the given
    // values are 0, values beyond the kinds are ignored.
    ResourceVector(const int32_t* values, size_t valueCount);
    explicit ResourceVector(const std::vector<int32_t>& values);

    void Clear();
    // True when every entry is 0 (also for no entries).
    bool IsZero() const;
    // Entry i = min(have[i] - need[i], 0): 0 where there is enough, the negative lack
    // otherwise. One entry per resource kind.
    ResourceVector ResourceShortfall(const ResourceVector& need) const;
    // The non-zero amounts without sign, each followed by its icon; colored shows
    // negative amounts in red and the icons in white.
    std::string& FormatResourceAmounts(std::string& out, bool colored) const;
    // The non-zero costs with their icons, red where the available amount falls short.
    std::string& FormatResourceCost(std::string& out, const ResourceVector& available) const;

    int32_t At(size_t index) const { return index < amounts.size() ? amounts[index] : 0; }
    size_t Size() const { return amounts.size(); }

    std::vector<int32_t> amounts;
};

// The number of resource kinds of the application.
int32_t ResourceCount();
// The icon glyph the game's fonts draw for a resource kind; empty beyond the four.
const char* ResourceIconGlyph(size_t index);
