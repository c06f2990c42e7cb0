// cComicsText: the page texts, their colour and their centred, wrapped drawing.
#include "framework/objects/comics_text.h"

#include <algorithm>

#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "engine/render/render.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "framework/objects/app_services.h"

namespace {

constexpr uint32_t kEditorColor = 0x8080C080u;
constexpr const char* kEditorCaption = "Comics Text";
constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kByte = 0xFFu;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr size_t kChannelCount = 3;

}  // namespace

cComicsText::cComicsText(cObjectOwner* owner) : cObject(owner) {}

cComicsText::~cComicsText() { pages_.clear(); }

void cComicsText::SetSprite(const std::string& sprite)
{
    cObject::SetSprite(sprite);
    const std::vector<std::string> channels = vrk::SplitString(text_, ";");
    if (channels.size() != kChannelCount) return;
    const auto channel = [&](size_t i) { return static_cast<uint32_t>(vrk::StrToIntOrZero(channels[i])) & kByte; };
    SetColor(kOpaque | channel(0) << kRedShift | channel(1) << kGreenShift | channel(2), 0xFFFFFFFFu);
}

void cComicsText::SetPages(const std::string& fontName, const std::string& keys)
{
    font_ = vrk::FindFont(fontName);
    pages_ = vrk::SplitString(keys, ";");
}

int32_t cComicsText::OnMessage(uint32_t code, uintptr_t /*data*/)
{
    if (code != kMessageComicAdvance) return 0;
    if (static_cast<size_t>(pageIndex_) + 1 < pages_.size()) {
        ++pageIndex_;
        return 0;
    }
    return 1;
}

void cComicsText::GetFrameRect(Rect& rect, int32_t /*index*/) const
{
    rect = Rect{position_.x - kWidth * 0.5f, position_.y - kHeight * 0.5f, kWidth, kHeight};
}

void cComicsText::Draw()
{
    if (!font_ || pageIndex_ >= pages_.size()) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const std::string text = vrk::FindText(pages_[pageIndex_]);
    std::vector<std::string> lines;
    std::vector<vrk::TextRect> rects;
    const vrk::cGame* game = vrk::GetGame();
    if (game != nullptr && game->localeFlag != 0) {
        vrk::cRender::WrapTextByChars(font_.get(), text, kWrapWidth, lines, rects);
    } else {
        vrk::cRender::WrapTextByWords(font_.get(), text, kWrapWidth, lines, rects);
    }
    Rect rect;
    GetFrameRect(rect, -1);
    const float lineHeight = font_->lineHeight;
    const size_t count = std::min(lines.size(), rects.size());
    // The block is centred in the rectangle, its first line on top.
    const float top = rect.y + (rect.height + static_cast<float>(count) * lineHeight) * 0.5f;
    // A colour set by markup carries on into the wrapped lines after it.
    uint32_t color = GetColor();
    for (size_t i = 0; i < count; ++i) {
        const float x = rect.x + (rect.width - rects[i].width) * 0.5f - rects[i].left;
        const float y = top - static_cast<float>(i + 1) * lineHeight;
        vrk::cRender::DrawTextMarkup(*batch, font_.get(), lines[i], x, y, &color);
    }
}

void cComicsText::DrawEditor()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, rect.x, rect.y, rect.width, rect.height,
                          kEditorColor);
    if (cAppServices* services = GetAppServices())
        services->DrawSystemText(kEditorCaption, position_.x, position_.y);
}
