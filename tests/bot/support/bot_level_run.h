// test::BotLevelRun: one level played by the bot from its entry to its end, and what
// came of it. The run enters the level, clicks through the talk, lets the bot decide
// every half second of game time (the paced player, after a round that gave its
// order, only 2 s later) and stops on the window "finish" (won), on
// "game_over" (lost) or when its tick budget is spent: twice the level's time limit
// (a passed limit loses nothing by itself), or kNoLimitSeconds twice for a level
// without one.
#pragma once
#include <cstdio>
#include <string>

#include "tests/bot/support/bot_harness.h"
#include "tests/bot/support/bot_trace.h"
#include "tests/bot/support/level_bot.h"

namespace test {

struct LevelResult {
    bool entered = false;
    bool won = false;
    bool talkClicked = false;
    bool enemies = false;  // the level holds an enemy at its start
    uint32_t seed = 0;
    int ticks = 0;
    int orders = 0;            // clicks the bot gave that went in
    int shortestOrderGap = 0;  // ticks between two of them (0: fewer than two)
    float levelTime = 0.0f;
    float timeLimit = 0.0f;  // as the level screen keeps it (0: none)
    int32_t medal = 0;
    std::string end;    // "finish", "game_over: <text>" or "out of ticks"
    std::string trace;  // the failure trace
    std::string note;   // why the bot could not go on, at its last round
};

class BotLevelRun : public BotHarness {
protected:
    // Bot rounds: every half second of game time.
    static constexpr int kDecisionTicks = 15;
    // The paced player's pace: one order every 2 s of game time at most.
    static constexpr int kPacedOrderTicks = 60;
    static constexpr float kNoLimitSeconds = 900.0f;
    static constexpr int kTicksPerSecond = 30;

    LevelResult PlayLevel(uint32_t index, uint32_t seed, BotPlayer player = BotPlayer::kFull)
    {
        LevelResult result;
        result.seed = seed;
        result.entered = EnterLevel(index, seed);
        if (!result.entered) {
            result.end = "level did not start";
            return result;
        }
        result.enemies = BotView::HoldsEnemy(*level_);
        result.talkClicked = PassTalk();
        if (!result.talkClicked) {
            result.end = "talk did not end";
            return result;
        }
        const float limit = level_->timeLimit > 0.0f ? level_->timeLimit : kNoLimitSeconds;
        const int budget = static_cast<int>(2.0f * limit * static_cast<float>(kTicksPerSecond));
        int lastOrder = -1;
        const auto click = [this, &result, &lastOrder](cObject* target, int32_t part) {
            if (!ClickObject(target, part)) return false;
            if (lastOrder >= 0 && (result.shortestOrderGap == 0 || Ticks() - lastOrder < result.shortestOrderGap))
                result.shortestOrderGap = Ticks() - lastOrder;
            lastOrder = Ticks();
            ++result.orders;
            return true;
        };
        LevelBot bot(*level_, click, player);
        BotTrace trace;
        const int start = Ticks();
        int nextDecision = start;
        while (Ticks() - start < budget) {
            if (WindowOpen("finish") || WindowOpen("game_over") || level_->IsPaused()) break;
            trace.Sample(*level_);
            if (Ticks() >= nextDecision) {
                const bool ordered = bot.Decide() > 0;
                nextDecision = Ticks() + kDecisionTicks;
                // The paced player's next order comes 2 s after its last one.
                if (player == BotPlayer::kPaced && ordered) nextDecision = lastOrder + kPacedOrderTicks;
            }
            Tick();
        }
        // The window opens with the level's end; a tick lets it show.
        Tick();
        result.ticks = Ticks() - start;
        result.levelTime = level_->GetLevelTime();
        result.medal = level_->GetMedal();
        result.timeLimit = level_->timeLimit;
        if (WindowOpen("finish") && level_->gameOverText.empty()) {
            result.won = true;
            result.end = "finish";
            return result;
        }
        if (!level_->gameOverText.empty()) {
            result.end = "game_over: " + level_->gameOverText;
        } else if (level_->IsPaused()) {
            result.end = "paused without finish window";
        } else {
            result.end = "out of ticks";
        }
        trace.Add(BotTrace::Line(*level_));
        trace.Add("end: " + result.end);
        result.note = bot.GetNote();
        if (!result.note.empty()) trace.Add("bot: " + result.note);
        result.trace = trace.Text();
        return result;
    }

    // "level 003 seed 1 won in 212.4 s of 480 s, medal 3 (ticks 6400)"
    static std::string Summary(uint32_t index, const LevelResult& result)
    {
        char line[192];
        std::snprintf(line, sizeof line, "level %03u seed %u %s in %.1f s of %.0f s, medal %d (ticks %d)%s", index,
                      result.seed, result.won ? "won" : "lost", static_cast<double>(result.levelTime),
                      static_cast<double>(result.timeLimit), result.medal, result.ticks,
                      result.talkClicked ? "" : " [talk not clickable]");
        return line;
    }
};

}  // namespace test
