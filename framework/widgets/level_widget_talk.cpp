// cLevelWidget: the opening dialogue of a level in the window "talk": the queue of
// lines, the two speaker portraits, and the letterbox while it runs.
#include <array>

#include "engine/gui/ctrl.h"
#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/text/text_table.h"
#include "framework/widgets/face_ctrl.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr const char* kTalkWindow = "talk";
constexpr const char* kLevelWindow = "level";

// The controls of one side of the talk window.
struct SideNames {
    const char* frame;
    const char* text;
    const char* face;
};
constexpr std::array<SideNames, 2> kSides{{
    {"left_frame", "left_text", "left_face"},
    {"right_frame", "right_text", "right_face"},
}};

// A control of "talk" without the lookup's warnings: clearing a level that has no
// dialogue (or runs without a GUI) is no fault.
vrk::cCtrl* QuietTalkControl(const std::string& name)
{
    vrk::cGame* game = vrk::GetGame();
    vrk::cWindow* window = game != nullptr && game->gui ? game->gui->FindWindow(kTalkWindow) : nullptr;
    return window != nullptr ? window->GetCtrl(window->FindCtrl(name)) : nullptr;
}

cFaceCtrl* FindFace(const char* name) { return dynamic_cast<cFaceCtrl*>(vrk::FindControl(kTalkWindow, name)); }

size_t SideIndex(uint32_t side) { return side != kTalkLeft ? 1 : 0; }

}  // namespace

bool cLevelWidget::HasTalkFaces()
{
    return dynamic_cast<cFaceCtrl*>(QuietTalkControl(kSides[0].face)) != nullptr &&
           dynamic_cast<cFaceCtrl*>(QuietTalkControl(kSides[1].face)) != nullptr;
}

void cLevelWidget::ResetTalks()
{
    talks_.clear();
    talkIndex_ = 0;
    for (const SideNames& side : kSides) {
        for (const char* name : {side.frame, side.text}) {
            if (vrk::cCtrl* control = QuietTalkControl(name)) control->Show(false);
        }
        if (auto* face = dynamic_cast<cFaceCtrl*>(QuietTalkControl(side.face))) face->SetFace("", "", "", false);
    }
}

void cLevelWidget::AddTalk(uint32_t side, const std::string& speaker, const std::string& textKey)
{
    TalkRecord record{side, TalkFaceName(speaker), "", "", textKey};
    MarkFaceSpritesUsed(record.face, record.eye, record.mouth);
    talks_.push_back(std::move(record));
}

void cLevelWidget::AddTalkFace(uint32_t side, const std::string& speaker, const std::string& eyeVariant,
                               const std::string& textKey)
{
    TalkRecord record{side, TalkFaceName(speaker), TalkEyeName(speaker, eyeVariant), TalkMouthName(speaker),
                      textKey};
    MarkFaceSpritesUsed(record.face, record.eye, record.mouth);
    talks_.push_back(std::move(record));
}

bool cLevelWidget::IsTalkFinished() const
{
    return talks_.empty() || talkIndex_ < 0 || static_cast<size_t>(talkIndex_) >= talks_.size();
}

void cLevelWidget::NextTalk()
{
    if (IsTalkFinished()) return;
    std::array<vrk::cCtrl*, 2> frames{};
    std::array<vrk::cCtrl*, 2> texts{};
    std::array<cFaceCtrl*, 2> faces{};
    for (size_t i = 0; i < kSides.size(); ++i) {
        frames[i] = vrk::FindControl(kTalkWindow, kSides[i].frame);
        texts[i] = vrk::FindControl(kTalkWindow, kSides[i].text);
        faces[i] = FindFace(kSides[i].face);
        if (frames[i] == nullptr || texts[i] == nullptr || faces[i] == nullptr) return;
    }
    const TalkRecord& record = talks_[static_cast<size_t>(talkIndex_)];
    const size_t own = SideIndex(record.side);
    const size_t other = 1 - own;
    faces[own]->SetFace(record.face, record.eye, record.mouth, own != 0);
    frames[own]->Show(true);
    texts[own]->SetText(vrk::FindText(record.textKey), 0);
    texts[own]->Show(true);
    frames[other]->Show(false);
    texts[other]->Show(false);
    ++talkIndex_;
}

void cLevelWidget::StartTalk()
{
    cFaceCtrl* left = FindFace(kSides[0].face);
    cFaceCtrl* right = FindFace(kSides[1].face);
    if (left == nullptr || right == nullptr) return;
    bool leftSet = false;
    bool rightSet = false;
    for (const TalkRecord& record : talks_) {
        if (leftSet && rightSet) break;
        if (SideIndex(record.side) == 0 && !leftSet) {
            left->SetFace(record.face, record.eye, record.mouth, false);
            leftSet = true;
        } else if (SideIndex(record.side) == 1 && !rightSet) {
            right->SetFace(record.face, record.eye, record.mouth, true);
            rightSet = true;
        }
    }
    ShowLetterbox();
    OpenAppWindow(kTalkWindow);
    NextTalk();
}

void cLevelWidget::EndTalk()
{
    HideLetterbox();
    OpenAppWindow(kLevelWindow);
}
