// cComicsBaseWidget: loading the comics scene, handing the pages to its objects,
// paging and the editor's commands.
#include "framework/widgets/comics_base_widget.h"

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/objects/comics_frame.h"
#include "framework/objects/comics_text.h"

namespace {

constexpr const char* kSaveCommand = "_save";
constexpr const char* kPaletteCommand = "second";
constexpr const char* kClickSound = "click";
constexpr intptr_t kWindowContext = 1;
constexpr int32_t kNoFlag = 0;
constexpr const char* kSender = "cComicsBaseWidget";
constexpr const char* kFileName = "comics.lvl";
constexpr cSceneSave::Notices kSaveNotices{
    "The comics screen loaded only in part (it holds objects this version does not know). It is not saved.",
    "The comics file could not be written. The old file is kept."};

vrk::cByteStream* ComicsStream(cMiddle* middle)
{
    return middle != nullptr ? middle->GetLevelFiles().GetComicsStream() : nullptr;
}

}  // namespace

cComicsBaseWidget::cComicsBaseWidget(const std::string& name) : cBaseWidget(name), scene_(kSender, kSaveNotices) {}

void cComicsBaseWidget::SetComics(const std::string& frameList, const std::string& fontName,
                                  const std::string& textKeys, const std::string& nextScreen)
{
    frameList_ = frameList;
    fontName_ = fontName;
    textKeys_ = textKeys;
    nextScreen_ = nextScreen;
}

void cComicsBaseWidget::OnFocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = ComicsStream(middle)) scene_.Load(*this, *stream, middle->GetLimit43());
    LinkObjects();
    SetMode(kModeLoading);
}

void cComicsBaseWidget::OnUnfocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = ComicsStream(middle))
        scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName);
    cBaseWidget::OnUnfocus();
}

void cComicsBaseWidget::LinkObjects()
{
    ObjectList found;
    FindObjectsOfKind(found, kTypeComicsFrame, -1);
    frameObject_ = found.empty() ? nullptr : dynamic_cast<cComicsFrame*>(found.front());
    if (frameObject_ != nullptr) frameObject_->SetFrames(frameList_);
    FindObjectsOfKind(found, kTypeComicsText, -1);
    textObject_ = found.empty() ? nullptr : dynamic_cast<cComicsText*>(found.front());
    if (textObject_ != nullptr) textObject_->SetPages(fontName_, textKeys_);
    cBaseWidget::LinkObjects();
}

void cComicsBaseWidget::ClearLevel()
{
    cBaseWidget::ClearLevel();
    frameObject_ = nullptr;
    textObject_ = nullptr;
}

uint32_t cComicsBaseWidget::ShowGui()
{
    cMiddle* middle = GetMiddle();
    if (middle == nullptr) return 0;
    // The pages need no window of their own: a "comics" window opens only when a
    // script registered one. Either way the previous screen's windows close.
    vrk::cGame* game = vrk::GetGame();
    if (game != nullptr && game->gui && game->gui->FindWindow(kWindowName) != nullptr)
        middle->ShowWindow(kWindowName, kWindowContext);
    else
        middle->HideAchievePopup();
    return 0;
}

void cComicsBaseWidget::EndComics()
{
    if (cMiddle* middle = GetMiddle()) middle->ShowComics(nextScreen_, GetName());
}

uint32_t cComicsBaseWidget::OnPlayEvent(uint32_t kind, uintptr_t param)
{
    const bool advanceKey =
        kind == static_cast<uint32_t>(vrk::kWidgetKeyDown) && (param == kEnterKey || param == kSpaceKey);
    const bool click = kind == static_cast<uint32_t>(vrk::kWidgetButtonDown);
    if (advanceKey || click) {
        int32_t frameAnswer = 0;
        if (frameObject_ != nullptr) frameAnswer = frameObject_->OnMessage(kMessageComicAdvance, 0);
        if (textObject_ != nullptr) textObject_->OnMessage(kMessageComicAdvance, 0);
        if (frameAnswer == 1) EndComics();
    } else if (kind == static_cast<uint32_t>(vrk::kWidgetKeyDown) && param == kEscapeKey) {
        EndComics();
    }
    return cBaseWidget::OnPlayEvent(kind, param);
}

uint32_t cComicsBaseWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a != 0 || (name != kSaveCommand && name != kPaletteCommand)) return cBaseWidget::OnGuiEvent(a, name, b);
    if (name == kSaveCommand) {
        // The save plays its own click, and only when the file was written.
        cMiddle* middle = GetMiddle();
        if (vrk::cByteStream* stream = ComicsStream(middle)) {
            scene_.Save(scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName),
                        [middle] { return middle->SaveComicsFile(); });
        }
        return 0;
    }
    // The palette: the picture frame, the text and the plain comics background.
    ClearSecondList();
    AddSecondItem("editor_info", kTypeComicsFrame, "", kNoFlag);
    AddSecondItem("editor_text", kTypeComicsText, "", kNoFlag);
    AddSecondItem("comics_base", kTypeDecor, "simple=comics_base", kNoFlag);
    vrk::PlaySound(kClickSound);
    return 0;
}
