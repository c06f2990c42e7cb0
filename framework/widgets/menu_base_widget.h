// cMenuBaseWidget: the base of the main menu screen: the animated scene behind the
// "menu" window, loaded from the application's copy of "menu.lvl" on every visit.
// Unlike the map and the comics it writes nothing back when it is left, so an edit
// lasts only until the next visit unless the editor saves it.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/base_widget.h"
#include "framework/widgets/scene_save.h"

class cMenuBaseWidget : public cBaseWidget {
public:
    static constexpr const char* kName = "menu";
    static constexpr const char* kWindowName = "menu";

    explicit cMenuBaseWidget(const std::string& name = kName);

    void OnFocus() override;
    uint32_t ShowGui() override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

private:
    cSceneSave scene_;
};
