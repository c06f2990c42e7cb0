// TalkRecord: one queued line of a level's opening dialogue (the side it is spoken
// from, the speaker's portrait sprites and the text key), and the rules that build
// a speaker's sprite names.
#pragma once
#include <cstdint>
#include <string>

enum TalkSide : uint32_t {
    kTalkLeft = 0,
    kTalkRight = 1,
};

struct TalkRecord {
    uint32_t side = kTalkLeft;
    std::string face;
    std::string eye;    // may be empty
    std::string mouth;  // may be empty
    std::string textKey;
};

// speaker + "_face".
std::string TalkFaceName(const std::string& speaker);
// speaker + "_eye_" + variant, or speaker + "_eye" without a variant.
std::string TalkEyeName(const std::string& speaker, const std::string& variant);
// speaker + "_mouth".
std::string TalkMouthName(const std::string& speaker);
