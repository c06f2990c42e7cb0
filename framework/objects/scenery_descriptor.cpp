// Scenery descriptors: the kind words and the value list.
#include "framework/objects/scenery_descriptor.h"

#include <array>
#include <utility>

#include "engine/text/text_parse.h"

namespace {

const std::array<std::pair<const char*, DecorKind>, 10> kKindWords = {{
    {"simple", kDecorSimple},
    {"anim", kDecorAnim},
    {"fade", kDecorFade},
    {"rand", kDecorRand},
    {"offset", kDecorOffset},
    {"tree", kDecorTree},
    {"snowman", kDecorSnowman},
    {"wave", kDecorWave},
    {"qp3_coffee", kDecorCoffee},
    {"kv2_bat", kDecorBat},
}};

constexpr const char* kValueSeparator = ";";

// The kinds whose rest is one sprite name, never cut.
bool TakesSeveralValues(DecorKind kind)
{
    return kind != kDecorSimple && kind != kDecorAnim && kind != kDecorCoffee && kind != kDecorBat;
}

}  // namespace

const std::string& SceneryDescriptor::Text(size_t index) const
{
    static const std::string empty;
    return index < values.size() ? values[index] : empty;
}

float SceneryDescriptor::Number(size_t index) const { return vrk::StrToFloat(Text(index)); }

DecorKind DecorKindOf(const std::string& word)
{
    for (const auto& [name, kind] : kKindWords) {
        if (word == name) return kind;
    }
    return kDecorNone;
}

SceneryDescriptor ParseSceneryDescriptor(const std::string& text)
{
    SceneryDescriptor descriptor;
    const auto [word, rest] = vrk::SplitPair(text, "=");
    descriptor.kind = DecorKindOf(word);
    if (descriptor.kind == kDecorNone) return descriptor;
    if (!TakesSeveralValues(descriptor.kind)) {
        descriptor.values.push_back(rest);
        return descriptor;
    }
    // Cut by hand: the engine's splitter drops empty pieces, which would shift the
    // values after an empty one into the wrong places.
    size_t start = 0;
    while (true) {
        const size_t cut = rest.find(kValueSeparator, start);
        descriptor.values.push_back(rest.substr(start, cut == std::string::npos ? std::string::npos : cut - start));
        if (cut == std::string::npos) break;
        start = cut + 1;
    }
    return descriptor;
}
