// cComicsText: the line of text under a comic picture. It shows one page key's text
// at a time, in the font the comics screen hands it; the tag may colour it ("r;g;b").
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/object.h"

namespace vrk {
class cFont;
}

class cComicsText : public cObject {
public:
    static constexpr float kWrapWidth = 900.0f;
    static constexpr float kWidth = 512.0f;
    static constexpr float kHeight = 64.0f;

    explicit cComicsText(cObjectOwner* owner);
    ~cComicsText() override;

    void Draw() override;
    void DrawEditor() override;
    // Advance (5107): 0 when there was a next page, 1 at the last.
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override { return kTypeComicsText; }
    bool IsKindOf(int32_t id) const override { return id == kTypeComicsText || id == kTypeObject; }
    // Also takes the colour from the tag when it holds three numbers "r;g;b".
    void SetSprite(const std::string& sprite) override;
    void GetFrameRect(Rect& rect, int32_t index) const override;

    // The font by registry name and the page keys separated by ";".
    virtual void SetPages(const std::string& fontName, const std::string& keys);

    const std::vector<std::string>& GetPages() const { return pages_; }
    uint32_t GetPageIndex() const { return pageIndex_; }
    const std::shared_ptr<vrk::cFont>& GetFont() const { return font_; }

private:
    std::shared_ptr<vrk::cFont> font_;
    std::vector<std::string> pages_;
    uint32_t pageIndex_ = 0;
};
