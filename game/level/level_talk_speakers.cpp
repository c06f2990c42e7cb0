// The speakers of each level's opening talk, in queue order; the lines alternate
// sides from the left and take their text keys from the level id and line index.
#include "game/level/level_table.h"

namespace {

using Speakers = std::array<TalkSpeaker, kMaxLevelTalks>;

constexpr TalkSpeaker H = TalkSpeaker::kHero;
constexpr TalkSpeaker W = TalkSpeaker::kWife;
constexpr TalkSpeaker T = TalkSpeaker::kTrader;
constexpr TalkSpeaker G = TalkSpeaker::kGravik;

const std::array<Speakers, kLevelCount> kLevelTalks = {{
    {H, W, H},        // 000
    {H, W, H, W, H},  // 001
    {W, H},           // 002
    {W, H, W},        // 003
    {W, H, W},        // 004
    {W, H},           // 005
    {H, T, H, T, H},  // 006
    {W, H, W},        // 007
    {W, H},           // 008
    {W, H, W, H},     // 009
    {W, H},           // 010
    {W, H, W, H},     // 011
    {T, H, T, H},     // 012
    {W, H},           // 013
    {W, H, W},        // 014
    {H, W},           // 015
    {H, G, H},        // 016
    {H, W},           // 017
    {W, H, W},        // 018
    {T, H, T},        // 019
    {W, H, W, H},     // 020
    {W, H},           // 021
    {H, W, H, W, H},  // 022
    {W, H, W, H},     // 023
    {W, H},           // 024
    {T, H, T},        // 025
    {W, H, W},        // 026
    {H},              // 027
    {H, T, H, T},     // 028
    {W, H, W, H},     // 029
    {W, H, W, H},     // 030
    {W, H, W},        // 031
    {W, H},           // 032
    {H, W, H},        // 033
    {H, G, H},        // 034
    {W, H, W},        // 035
    {W, H, W, H, W},  // 036
    {W, H},           // 037
    {W, T, W},        // 038
    {G, H},           // 039
}};

}  // namespace

const std::array<TalkSpeaker, kMaxLevelTalks>& LevelTalkSpeakers(size_t levelIndex)
{
    static const Speakers kNone{};
    return levelIndex < kLevelTalks.size() ? kLevelTalks[levelIndex] : kNone;
}

std::string TalkSpeakerName(TalkSpeaker speaker)
{
    switch (speaker) {
    case TalkSpeaker::kHero:
        return "speech_hero";
    case TalkSpeaker::kWife:
        return "speech_wife";
    case TalkSpeaker::kTrader:
        return "speech_trader";
    case TalkSpeaker::kGravik:
        return "speech_gravik";
    case TalkSpeaker::kNone:
        break;
    }
    return {};
}

std::string TalkTextKey(const std::string& levelId, size_t line)
{
    return "Talk" + levelId + "_" + std::to_string(line);
}
