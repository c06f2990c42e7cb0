// The speakers of each level's opening talk, in queue order; the lines alternate
// sides from the left and take their text keys from the level id and line index.
#include "game/level/level_table.h"

namespace {

using Speakers = std::array<TalkSpeaker, kMaxLevelTalks>;

using enum TalkSpeaker;

const std::array<Speakers, kLevelCount> kLevelTalks = {{
    {kHero, kWife, kHero},                    // 000
    {kHero, kWife, kHero, kWife, kHero},      // 001
    {kWife, kHero},                           // 002
    {kWife, kHero, kWife},                    // 003
    {kWife, kHero, kWife},                    // 004
    {kWife, kHero},                           // 005
    {kHero, kTrader, kHero, kTrader, kHero},  // 006
    {kWife, kHero, kWife},                    // 007
    {kWife, kHero},                           // 008
    {kWife, kHero, kWife, kHero},             // 009
    {kWife, kHero},                           // 010
    {kWife, kHero, kWife, kHero},             // 011
    {kTrader, kHero, kTrader, kHero},         // 012
    {kWife, kHero},                           // 013
    {kWife, kHero, kWife},                    // 014
    {kHero, kWife},                           // 015
    {kHero, kGravik, kHero},                  // 016
    {kHero, kWife},                           // 017
    {kWife, kHero, kWife},                    // 018
    {kTrader, kHero, kTrader},                // 019
    {kWife, kHero, kWife, kHero},             // 020
    {kWife, kHero},                           // 021
    {kHero, kWife, kHero, kWife, kHero},      // 022
    {kWife, kHero, kWife, kHero},             // 023
    {kWife, kHero},                           // 024
    {kTrader, kHero, kTrader},                // 025
    {kWife, kHero, kWife},                    // 026
    {kHero},                                  // 027
    {kHero, kTrader, kHero, kTrader},         // 028
    {kWife, kHero, kWife, kHero},             // 029
    {kWife, kHero, kWife, kHero},             // 030
    {kWife, kHero, kWife},                    // 031
    {kWife, kHero},                           // 032
    {kHero, kWife, kHero},                    // 033
    {kHero, kGravik, kHero},                  // 034
    {kWife, kHero, kWife},                    // 035
    {kWife, kHero, kWife, kHero, kWife},      // 036
    {kWife, kHero},                           // 037
    {kWife, kTrader, kWife},                  // 038
    {kGravik, kHero},                         // 039
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
