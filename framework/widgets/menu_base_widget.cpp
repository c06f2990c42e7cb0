// cMenuBaseWidget: loading the menu scene, opening the menu window and the editor's
// save command.
#include "framework/widgets/menu_base_widget.h"

#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"

namespace {

constexpr const char* kSaveCommand = "_save";
constexpr const char* kClickSound = "click";
constexpr intptr_t kWindowContext = 1;

vrk::cByteStream* MenuStream(cMiddle* middle)
{
    return middle != nullptr ? middle->GetLevelFiles().GetMenuStream() : nullptr;
}

}  // namespace

cMenuBaseWidget::cMenuBaseWidget(const std::string& name) : cBaseWidget(name) {}

void cMenuBaseWidget::OnFocus()
{
    cMiddle* middle = GetMiddle();
    if (vrk::cByteStream* stream = MenuStream(middle)) LoadLevel(*stream, middle->GetLimit43());
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
        cMiddle* middle = GetMiddle();
        if (vrk::cByteStream* stream = MenuStream(middle)) {
            SaveLevel(*stream, static_cast<uint32_t>(middle->GetLimit43()));
            middle->SaveMenuFile();
        }
        vrk::PlaySound(kClickSound);
    }
    return cBaseWidget::OnGuiEvent(a, name, b);
}
