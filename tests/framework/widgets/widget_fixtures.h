// Test doubles of the screen tests: a screen whose cursor the test places, objects
// that answer a chosen hit part and record their messages, and a helper that builds
// level streams by hand.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"

namespace test {

class ProbeObject : public cObject {
public:
    using cObject::cObject;
    int32_t HitTest(const vec2& /*point*/) override { return hitPart; }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        messages.push_back(code);
        return cObject::OnMessage(code, data);
    }
    int32_t hitPart = 0;
    std::vector<uint32_t> messages;
};

class TestWidget : public cBaseWidget {
public:
    TestWidget() : cBaseWidget("test") {}

    vec2 GetMouseWorldPos() override { return mouseWorld; }
    uint32_t OnObjectClick(cObject* object) override
    {
        clicked.push_back(object);
        return 0;
    }
    uint32_t OnLeavePlay() override { return refuseLeavingPlay; }
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        playEvents.emplace_back(kind, param);
        return cBaseWidget::OnPlayEvent(kind, param);
    }
    uint32_t OnEditorEvent(uint32_t kind, uintptr_t param) override
    {
        editorEvents.emplace_back(kind, param);
        return 0;
    }
    // A probe placed into a layer with the next id.
    ProbeObject* AddProbe(int32_t layer, int32_t hitPart = 0)
    {
        auto* probe = new ProbeObject(this);
        probe->SetLayerField(layer);
        probe->hitPart = hitPart;
        AddObject(probe, 0);
        return probe;
    }
    // Puts the widget into a mode without the mode events.
    void ForceMode(int32_t mode) { mode_ = mode; }

    vec2 mouseWorld{-1000.0f, -1000.0f};
    vec2 mouseScreen{512.0f, 384.0f};
    vec2 cursorPixel{0.0f, 0.0f};
    uint32_t refuseLeavingPlay = 0;
    std::vector<cObject*> clicked;
    std::vector<std::pair<uint32_t, uintptr_t>> playEvents;
    std::vector<std::pair<uint32_t, uintptr_t>> editorEvents;

protected:
    vec2 GetMouseScreenPos() override { return mouseScreen; }
    vec2 GetCursorPixel() override { return cursorPixel; }
};

// Appends a level frame by hand.
inline void WriteFrame(vrk::cByteStream& stream, uint32_t version, const std::string& name, uint32_t lastId,
                       uint32_t count)
{
    stream.WriteInt32(version);
    stream.WriteString(name);
    stream.WriteInt32(lastId);
    stream.WriteInt32(count);
}

// Appends one object entry with a plain record.
inline void WriteEntry(vrk::cByteStream& stream, uint32_t type, uint32_t id, uint32_t layer,
                       const std::string& name = "", const std::string& sprite = "")
{
    stream.WriteInt32(type);
    stream.WriteInt32(id);
    stream.WriteInt32(layer);
    stream.WriteString(name);
    stream.WriteString(sprite);
    stream.WriteString("");
    stream.WriteInt32(0);
    for (float value : {0.0f, 0.0f, 0.0f, 1.0f, 1.0f}) stream.WriteFloat(value);
}

}  // namespace test
