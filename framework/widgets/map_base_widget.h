// cMapBaseWidget: the base of the level map screen. Its scene comes from the
// application's copy of "map.lvl" on every visit and goes back into it when the
// screen is left; on every link the points take the active player's results and the
// path is rebuilt through the open ones.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/base_widget.h"
#include "framework/widgets/scene_save.h"

class cMapBaseWidget : public cBaseWidget {
public:
    static constexpr const char* kName = "map";
    static constexpr const char* kWindowName = "map";
    // The editor's palette type that numbers a selected map point.
    static constexpr int32_t kIndexTool = 7;

    explicit cMapBaseWidget(const std::string& name = kName);

    void OnFocus() override;
    void OnUnfocus() override;
    void LinkObjects() override;
    uint32_t ShowGui() override;
    uint32_t OnObjectClick(cObject* object) override;
    uint32_t OnEditorEvent(uint32_t kind, uintptr_t param) override;
    uint32_t OnMouseDown(uint32_t button) override;
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override;

protected:
    // Gives the first selected object, when it is a map point, the lowest level index
    // no other point holds; nothing when every index is taken.
    void NumberSelectedPoint();

private:
    cSceneSave scene_;
};
