// The class-name table of the level sources.
#include "object_type_names.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int32_t, const char*>, 14> kNames{{
    {1, "cObject"},
    {2, "cDecor"},
    {3, "cNode"},
    {4, "cBack"},
    {5, "cParticlesDecor"},
    {6, "cFlyDecor"},
    {7, "cMapPoint"},
    {8, "cMapPath"},
    {9, "cRenderArea"},
    {13, "cRenderHighlight"},
    {14, "cAchieve"},
    {15, "cComicsFrame"},
    {16, "cComicsText"},
    {17, "cAnimal"},
}};

}  // namespace

int32_t TypeIdOfName(const std::string& name)
{
    for (const auto& [id, text] : kNames) {
        if (name == text) return id;
    }
    return 0;
}

std::string NameOfTypeId(int32_t typeId)
{
    for (const auto& [id, text] : kNames) {
        if (id == typeId) return text;
    }
    return {};
}
