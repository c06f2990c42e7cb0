// cAchieveWidget: the wall's set-up, its building, and the fixed front frame.
#include "game/screens/achieve_widget.h"

#include "engine/log/log.h"
#include "engine/render/font.h"
#include "engine/render/matrix4.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/objects/achieve.h"

namespace {

constexpr const char* kSender = "cAchieveWidget";
constexpr const char* kWarning = "^5";
constexpr const char* kHintWindow = "hint";
constexpr const char* kHintLabel = "text";
constexpr const char* kHintFrame = "frame";
constexpr const char* kPaletteCommand = "second";
constexpr const char* kClickSound = "click";
// Edge-scroll margins: left, right, top, bottom.
constexpr size_t kTopEdge = 2;
constexpr size_t kBottomEdge = 3;

}  // namespace

cAchieveWidget::cAchieveWidget() : cAchieveBaseWidget(kName) {}

void cAchieveWidget::InitLevel(const std::string& name)
{
    cAchieveBaseWidget::InitLevel(name);
    SetLevelSize(kSceneWidth, kSceneHeight);
    SetViewCenter(0.0f, kOpeningViewY);
    edgeMargins_[kBottomEdge] = kBottomMargin;
    edgeMargins_[kTopEdge] = kTopMargin;
    SetViewControls(kHintWindow, kHintLabel, kHintFrame);
    front_.SetSprite(kFrontSprite, kPlayStopped, false);
    // The wall pieces meet edge to edge; wrapping would bleed the opposite edge into
    // each seam. Kept on the texture, so the later upload clamps too.
    if (const vrk::TexturePtr wall = vrk::FindTexture(kWallTexture)) wall->SetAddressMode(vrk::kTextureAddressClamp);
    valueFont_ = vrk::FindFont(kValueFont);
}

bool cAchieveWidget::LoadLevel(vrk::cByteStream& stream, int32_t hint)
{
    const bool loaded = cAchieveBaseWidget::LoadLevel(stream, hint);
    ObjectList plaques;
    if (FindObjectsOfKind(plaques, kTypeAchieve, -1) == 0) {
        BuildWall();
        BuildPlaques();
    }
    return loaded;
}

void cAchieveWidget::BuildWall()
{
    float y = 0.0f;
    while (y < kSceneHeight) {
        cObject* piece = CreateObject(kTypeDecor, 0);
        if (piece == nullptr) {
            vrk::LogWrite(kSender, kWarning, "BuildWall: no decoration for the wall");
            return;
        }
        piece->SetMadeByScreen();
        piece->SetSprite(kWallDescriptor);
        piece->SetPosition(0.0f, y);
        SetObjectLayer(piece, kWallLayer);
        Rect frame;
        piece->GetFrameRect(frame, -1);
        // A piece without height would never reach the top: the wall ends here.
        if (!(frame.height > 0.0f)) {
            vrk::LogWrite(kSender, kWarning, "BuildWall: '%s' has no height",
                          vrk::FormatArg::FromText(kWallDescriptor));
            return;
        }
        y += frame.height;
    }
}

void cAchieveWidget::BuildPlaques()
{
    cMiddle* middle = GetMiddle();
    if (middle == nullptr) return;
    float x = kFirstColumn;
    float depth = kFirstRowDepth;
    for (const AchievementDef& achievement : middle->GetAchievements()) {
        cObject* plaque = CreateObject(kTypeAchieve, 0);
        if (plaque == nullptr) return;
        plaque->SetMadeByScreen();
        // The full name is the plaque's picture and the key the screen links it by.
        plaque->SetName(achievement.name);
        plaque->SetSprite(achievement.name);
        plaque->SetPosition(x, kSceneHeight - depth);
        SetObjectLayer(plaque, kPlaqueLayer);
        x += kColumnStep;
        if (x > kSceneWidth - kFirstColumn) {
            x = kFirstColumn;
            depth += kRowStep;
        }
    }
}

void cAchieveWidget::DrawPlay(vrk::VertexBatch& batch)
{
    cAchieveBaseWidget::DrawPlay(batch);
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;
    // The frame stays where it is while the wall scrolls under it, and the wall
    // shows through its open middle.
    render->SetTransform(vrk::Matrix4::Scale(1.0f, 1.0f, 1.0f), vrk::cRender::kWorld);
    render->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    batch.Clear();
    front_.Draw(batch, 0.0f, 0.0f, kWhite);
    render->DrawVertexBatch(batch);
    batch.Clear();
    render->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
}

uint32_t cAchieveWidget::OnGuiEvent(int32_t a, const std::string& name, int32_t b)
{
    if (a != 0 || name != kPaletteCommand) return cAchieveBaseWidget::OnGuiEvent(a, name, b);
    // The wall builds itself: there is nothing to place here.
    ClearSecondList();
    vrk::PlaySound(kClickSound);
    return 0;
}
