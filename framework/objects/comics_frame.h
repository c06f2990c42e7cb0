// cComicsFrame: the picture of a comic page. Each page is one animation of the
// object, keyed by its number ("0", "1", ...); an advance plays the next one.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/object.h"

class cComicsFrame : public cObject {
public:
    // Without a picture the frame is a square of this side round its position.
    static constexpr float kEmptySize = 512.0f;
    static constexpr float kFramesPerSecond = 30.0f;

    explicit cComicsFrame(cObjectOwner* owner);

    void DrawEditor() override;
    // Advance (5107): 0 when there was a next picture, 1 at the end.
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override { return kTypeComicsFrame; }
    bool IsKindOf(int32_t id) const override { return id == kTypeComicsFrame || id == kTypeObject; }
    void GetFrameRect(Rect& rect, int32_t index) const override;

    // The pictures: sprite names separated by ";". Starts at the first.
    virtual void SetFrames(const std::string& list);
};
