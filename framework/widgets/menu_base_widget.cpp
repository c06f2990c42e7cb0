// cMenuBaseWidget: loading the menu scene, opening the menu window and the editor's
// save command.
#include "framework/widgets/menu_base_widget.h"

#include "framework/app/middle.h"

namespace {

constexpr const char* kSaveCommand = "_save";
constexpr intptr_t kWindowContext = 1;
constexpr const char* kSender = "cMenuBaseWidget";
constexpr const char* kFileName = "menu.lvl";
constexpr cSceneSave::Notices kSaveNotices{
    "The menu loaded only in part (it holds objects this version does not know). It is not saved.",
    "The menu file could not be written. The old file is kept."};

vrk::cByteStream* MenuStream(cMiddle* middle)
{
    return middle != nullptr ? middle->GetLevelFiles().GetMenuStream() : nullptr;
}

}  // namespace

cMenuBaseWidget::cMenuBaseWidget(const std::string& name) : cBaseWidget(name), scene_(kSender, kSaveNotices) {}

void cMenuBaseWidget::OnFocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = MenuStream(middle)) scene_.Load(*this, *stream, middle->GetLimit43());
    LinkObjects();
    SetMode(kModeLoading);
}

uint32_t cMenuBaseWidget::ShowGui()
{
    if (cMiddle* middle = GetMiddle()) middle->ShowWindow(kWindowName, kWindowContext);
    inputFlags_ = 0;
    hovered_ = nullptr;
    return 0;
}

uint32_t cMenuBaseWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a == 0 && name == kSaveCommand) {
        // Not passed on: the base's click would sound for a save that failed.
        cMiddle* middle = GetMiddle();
        if (vrk::cByteStream* stream = MenuStream(middle)) {
            scene_.Save(scene_.Store(*this, *stream, static_cast<uint32_t>(middle->GetLimit43()), kFileName),
                        [middle] { return middle->SaveMenuFile(); });
        }
        return 0;
    }
    return cBaseWidget::OnGuiEvent(a, name, b);
}
