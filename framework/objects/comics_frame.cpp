// cComicsFrame: the page pictures and their advance.
#include "framework/objects/comics_frame.h"


#include "engine/render/render.h"
#include "engine/text/format_arg.h"
#include "engine/text/text_format.h"
#include "engine/text/text_parse.h"
#include "framework/objects/app_services.h"

namespace {

constexpr uint32_t kEditorColor = 0x80C08080u;
constexpr const char* kEditorCaption = "Comics Frame";
constexpr const char* kFirstKey = "0";

std::string KeyOf(int32_t index) { return vrk::FormatToString("%i", vrk::FormatArg::FromInt(index)); }

}  // namespace

cComicsFrame::cComicsFrame(cObjectOwner* owner) : cObject(owner) {}

void cComicsFrame::SetFrames(const std::string& list)
{
    animations_.clear();
    animationKey_.clear();
    hasAnimation_ = false;
    anim_.play.framesPerSecond = kFramesPerSecond;
    anim_.play.secondsPerFrame = kTickSeconds;
    anim_.play.direction = 1;
    anim_.SetPlayMode(true, kPlayStopped);
    anim_.play.mode = kPlayStopped;
    const std::vector<std::string> sprites = vrk::SplitString(list, ";");
    for (size_t i = 0; i < sprites.size(); ++i) AddAnimation(KeyOf(static_cast<int32_t>(i)), sprites[i]);
    PlayAnimation(kFirstKey, kPlayStopped);
}

int32_t cComicsFrame::OnMessage(uint32_t code, uintptr_t /*data*/)
{
    if (code != kMessageComicAdvance) return 0;
    const std::string next = KeyOf(vrk::StrToIntOrZero(animationKey_) + 1);
    if (animations_.count(next) == 0) return 1;
    PlayAnimation(next, kPlayStopped);
    return 0;
}

void cComicsFrame::GetFrameRect(Rect& rect, int32_t index) const
{
    if (GetAnimation() == nullptr) {
        const float half = kEmptySize * 0.5f;
        rect = Rect{position_.x - half, position_.y - half, kEmptySize, kEmptySize};
        return;
    }
    cObject::GetFrameRect(rect, index);
}

void cComicsFrame::DrawEditor()
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
