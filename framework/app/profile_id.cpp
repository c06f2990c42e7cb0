// Profile ids: the one accepted form and the formatting of new ids.
#include "framework/app/profile_id.h"

#include "engine/text/text_format.h"

namespace {

constexpr const char* kIdPrefix = "plr";
constexpr size_t kIdPrefixLength = 3;
constexpr size_t kMaxIdDigits = 9;

}  // namespace

bool IsValidProfileId(const std::string& id)
{
    if (id.size() <= kIdPrefixLength || id.size() > kIdPrefixLength + kMaxIdDigits) return false;
    if (id.compare(0, kIdPrefixLength, kIdPrefix) != 0) return false;
    for (size_t i = kIdPrefixLength; i < id.size(); ++i)
        if (id[i] < '0' || id[i] > '9') return false;
    return true;
}

std::string MakeProfileId(uint32_t number)
{
    return vrk::FormatStdString("plr%03i", vrk::FormatArg::FromInt(static_cast<int32_t>(number)));
}
