// cFinishWF: the window function of "finish", the results of a won level. It plays
// the success sound, counts the time, resources, buildings and score up one after the
// other, shows the level's cup, credits the score and opens the next level for the
// player, and on "close" leaves for the level map or a chapter's comics.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/timed_value.h"
#include "framework/widgets/base_wf.h"

class cCupCtrl;
class cMagicWidget;
namespace vrk {
class cCtrl;
}

class cFinishWF : public cBaseWF {
public:
    // What is being counted up.
    enum Phase : int32_t { kPhaseTime = 0, kPhaseResources = 1, kPhaseBuilds = 2, kPhaseScore = 3 };
    // Buildings are counted at this many per second; the other counters take one second.
    static constexpr float kBuildsPerSecond = 5.0f;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    int32_t GetPhase() const { return phase_; }
    int32_t GetMedal() const { return medal_; }
    const TimedValue<float>& GetTimeCounter() const { return time_; }
    const TimedValue<int32_t>& GetResourceCounter() const { return resources_; }
    const TimedValue<int32_t>& GetBuildCounter() const { return builds_; }
    const TimedValue<int32_t>& GetScoreCounter() const { return score_; }

    // The screen that follows the level of that name: "comics3" after "034",
    // "comics2" after "022", "comics1" after "023", else the level map.
    static std::string NextScreen(const std::string& levelName);

private:
    bool Build(vrk::cWindow* window);
    void Open();
    void CreditPlayer(int32_t score) const;
    void Update(uint32_t milliseconds);
    void ShowCup();
    void ShowTexts();
    void Close();

    vrk::cCtrl* vars_ = nullptr;
    vrk::cCtrl* vals_ = nullptr;
    vrk::cCtrl* scoreText_ = nullptr;
    cCupCtrl* cup_ = nullptr;
    int32_t medal_ = 0;
    int32_t phase_ = kPhaseTime;
    std::string levelName_;
    TimedValue<float> time_;
    TimedValue<int32_t> resources_;
    TimedValue<int32_t> builds_{0, 0, 0, kBuildsPerSecond};
    TimedValue<int32_t> score_;
};
