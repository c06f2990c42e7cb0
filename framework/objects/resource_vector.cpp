// ResourceVector: resource amounts and their coloured captions.
#include "framework/objects/resource_vector.h"

#include <algorithm>
#include <cstdlib>

#include "engine/text/text_format.h"
#include "framework/objects/app_services.h"

namespace {

// U+00BD, U+00BC, U+00BE, U+2030: the glyphs the fonts carry as resource icons.
constexpr const char* kIconGlyphs[] = {"\xC2\xBD", "\xC2\xBC", "\xC2\xBE", "\xE2\x80\xB0"};
constexpr const char* kAmountFormat = "%s%i^^^FFFFFFFF%s^^";
constexpr const char* kPlainAmountFormat = "%i%s";
constexpr const char* kShortPrefix = "^FF0000FF";

int32_t Magnitude(int32_t value)
{
    // The lowest value has no positive counterpart in 32 bits; it shows as the highest.
    if (value == INT32_MIN) return INT32_MAX;
    return std::abs(value);
}

void AppendAmount(std::string& out, const char* prefix, int32_t amount, size_t index)
{
    vrk::FormatString(out, kAmountFormat, vrk::FormatArg::FromText(prefix),
                      vrk::FormatArg::FromInt(Magnitude(amount)),
                      vrk::FormatArg::FromText(ResourceIconGlyph(index)));
}

}  // namespace

int32_t ResourceCount()
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return ResourceVector::kDefaultResourceCount;
    return std::max(services->GetResourceCount(), 0);
}

const char* ResourceIconGlyph(size_t index)
{
    return index < std::size(kIconGlyphs) ? kIconGlyphs[index] : "";
}

ResourceVector::ResourceVector() : amounts(static_cast<size_t>(ResourceCount()), 0) {}

ResourceVector::ResourceVector(const int32_t* values, size_t valueCount) : ResourceVector()
{
    if (values == nullptr) return;
    std::copy_n(values, std::min(valueCount, amounts.size()), amounts.begin());
}

ResourceVector::ResourceVector(const std::vector<int32_t>& values) : ResourceVector(values.data(), values.size())
{
}

void ResourceVector::Clear() { std::fill(amounts.begin(), amounts.end(), 0); }

bool ResourceVector::IsZero() const
{
    return std::all_of(amounts.begin(), amounts.end(), [](int32_t amount) { return amount == 0; });
}

ResourceVector ResourceVector::ResourceShortfall(const ResourceVector& need) const
{
    ResourceVector result;
    const size_t count = std::min(result.amounts.size(), amounts.size());
    for (size_t i = 0; i < count; ++i) {
        // In 64 bits: a lack as large as the whole range must not overflow.
        const int64_t lack = int64_t{amounts[i]} - need.At(i);
        result.amounts[i] = static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(lack, 0), INT32_MIN));
    }
    return result;
}

std::string& ResourceVector::FormatResourceAmounts(std::string& out, bool colored) const
{
    out.clear();
    for (size_t i = 0; i < amounts.size(); ++i) {
        const int32_t amount = amounts[i];
        if (amount == 0) continue;
        if (colored) {
            AppendAmount(out, amount < 0 ? kShortPrefix : "", amount, i);
        } else {
            vrk::FormatString(out, kPlainAmountFormat, vrk::FormatArg::FromInt(Magnitude(amount)),
                              vrk::FormatArg::FromText(ResourceIconGlyph(i)));
        }
    }
    return out;
}

std::string& ResourceVector::FormatResourceCost(std::string& out, const ResourceVector& available) const
{
    out.clear();
    for (size_t i = 0; i < amounts.size(); ++i) {
        const int32_t cost = amounts[i];
        if (cost == 0) continue;
        AppendAmount(out, cost <= available.At(i) ? "" : kShortPrefix, cost, i);
    }
    return out;
}
