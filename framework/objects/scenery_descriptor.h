// Scenery descriptors: the sprite text of a decoration, a kind word, "=" and the
// values of that kind separated by ";" ("tree=oak01;-0.05;0.05;0.4"). Parsing only;
// cDecor builds its animations from the result.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum DecorKind : int32_t {
    kDecorNone = 0,  // unknown kind: no animation, draws nothing
    kDecorSimple = 1,
    kDecorAnim = 2,
    kDecorFade = 3,
    kDecorRand = 4,
    kDecorOffset = 5,
    kDecorTree = 6,
    kDecorSnowman = 7,
    kDecorWave = 8,
    kDecorCoffee = 9,
    kDecorBat = 10,
};

struct SceneryDescriptor {
    DecorKind kind = kDecorNone;
    // The values after "=", cut at ";" (empty pieces kept, so positions stay put).
    std::vector<std::string> values;

    // The value at the index, or "" when the descriptor has fewer.
    const std::string& Text(size_t index) const;
    // The value at the index read as a decimal float (0 when missing or no number).
    float Number(size_t index) const;
};

// The kind code of a kind word; kDecorNone for any other word.
DecorKind DecorKindOf(const std::string& word);
SceneryDescriptor ParseSceneryDescriptor(const std::string& text);
