// Test doubles of the level editor tests: a box-shaped object of its own type id
// (registered with the factory for the test), a screen whose cursor, modifier keys
// and buttons the test sets, and a fixture that puts boxes into layers.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/object_factory.h"

namespace test {

// A 20 x 20 frame centred on the position, whatever its animation.
class BoxObject : public cObject {
public:
    static constexpr int32_t kType = 901;
    static constexpr float kHalfSide = 10.0f;

    using cObject::cObject;
    int32_t GetTypeId() const override { return kType; }
    bool IsKindOf(int32_t id) const override { return id == kType || cObject::IsKindOf(id); }
    void GetFrameRect(Rect& rect, int32_t /*index*/) const override
    {
        rect = Rect{position_.x - kHalfSide, position_.y - kHalfSide, 2.0f * kHalfSide, 2.0f * kHalfSide};
    }
    static std::unique_ptr<cObject> Create(cObjectOwner* owner) { return std::make_unique<BoxObject>(owner); }
};

class EditorWidget : public cBaseWidget {
public:
    EditorWidget() : cBaseWidget("editor_test") {}

    vec2 GetMouseWorldPos() override { return mouseWorld; }
    vec2 WindowToScreen(const vec2& /*pixel*/) override { return cursorScreen; }
    uint32_t OnGuiEvent(int32_t a, const std::string& name, int32_t b) override
    {
        guiEvents.push_back(EditorCommand{a, name, b});
        return cBaseWidget::OnGuiEvent(a, name, b);
    }
    void ForceMode(int32_t mode) { mode_ = mode; }
    void SetClipboard(const vrk::cByteStream& stream) { clipboard_ = stream; }
    cObject* GetHovered() const { return hovered_; }

    // Events as the engine core delivers them in editor mode.
    void Key(uint32_t key) { OnEvent(vrk::kWidgetKeyDown, static_cast<intptr_t>(key)); }
    void Press(uint32_t button = 0) { OnEvent(vrk::kWidgetButtonDown, static_cast<intptr_t>(button)); }
    void Release(uint32_t button = 0) { OnEvent(vrk::kWidgetButtonUp, static_cast<intptr_t>(button)); }
    void MoveTo(const vec2& point)
    {
        mouseWorld = point;
        OnEvent(vrk::kWidgetMouseMove, 0);
    }
    void ClickAt(const vec2& point, uint32_t button = 0)
    {
        mouseWorld = point;
        Press(button);
        Release(button);
    }

    vec2 mouseWorld{-1000.0f, -1000.0f};
    vec2 mouseScreen{512.0f, 384.0f};
    vec2 cursorScreen{512.0f, 384.0f};
    bool control = false;
    bool primaryDown = false;
    bool secondaryDown = false;
    std::vector<EditorCommand> guiEvents;

protected:
    vec2 GetMouseScreenPos() override { return mouseScreen; }
    bool IsLeftControlDown() const override { return control; }
    bool IsPrimaryButtonDown() const override { return primaryDown; }
    bool IsSecondaryButtonDown() const override { return secondaryDown; }
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterObjectType(BoxObject::kType, &BoxObject::Create);
        widget = std::make_unique<EditorWidget>();
        widget->ForceMode(kModeEditor);
    }
    void TearDown() override
    {
        widget.reset();
        UnregisterObjectType(BoxObject::kType);
    }

    // A box in a layer at a point, with the next id.
    BoxObject* AddBox(int32_t layer, const vec2& position, const std::string& name = "")
    {
        auto* box = new BoxObject(widget.get());
        box->SetLayerField(layer);
        box->SetPositionV(position);
        box->SetName(name);
        widget->AddObject(box, 0);
        return box;
    }

    std::unique_ptr<EditorWidget> widget;
};

}  // namespace test
