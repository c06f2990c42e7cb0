// cSplashWidget: loading the splash pictures, stepping the sequence on the fixed
// tick, and drawing the current picture with its fade.
#include "framework/widgets/splash_widget.h"

#include <lua.hpp>

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/files/file_system.h"
#include "engine/files/folder_iterator.h"
#include "engine/gui/gui.h"
#include "engine/platform/fixed_step.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/script/script.h"
#include "framework/app/middle.h"
#include "framework/widgets/texture_files.h"

namespace {

constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr float kAlphaScale = 255.0f;
constexpr uint32_t kAlphaShift = 24;
// Position and colour with one two-coordinate texture set: the batch's vertices.
constexpr uint32_t kBatchTexCoordSize = 2;

std::set<const void*>& LiveWidgets()
{
    static std::set<const void*> widgets;
    return widgets;
}

std::set<const void*>& LiveNodes()
{
    static std::set<const void*> nodes;
    return nodes;
}

void LoadSplashPictures()
{
    vrk::cFolderIterator folder;
    for (vrk::PathRecord entry = folder.First(vrk::PathRecord(cSplashWidget::kPictureFolder)); !entry.IsEmpty();
         entry = folder.Next()) {
        if (vrk::IsFolder(entry.path)) continue;
        // Description scripts and other companions are refused by the image reader.
        LoadTextureWithScript(entry, kTextureReadNow);
    }
}

// The render state the pictures change, put back for the GUI windows drawn next.
void RestoreRenderState(vrk::cRender& render, const vrk::ScreenRect& viewport)
{
    render.SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
    render.SetVertexFormat(true, false, true, kBatchTexCoordSize);
    render.SetViewport(viewport.x, viewport.y, viewport.width, viewport.height);
}

}  // namespace

SplashNode::SplashNode(float seconds) : time(seconds) { LiveNodes().insert(this); }

SplashNode::~SplashNode() { LiveNodes().erase(this); }

void SplashNode::AddImage(vrk::TexturePtr texture, const Rect& rect)
{
    textures.push_back(std::move(texture));
    rectangles.push_back(rect);
}

cSplashWidget* cSplashWidget::FindLive(const void* handle)
{
    return LiveWidgets().count(handle) != 0 ? static_cast<cSplashWidget*>(const_cast<void*>(handle)) : nullptr;
}

SplashNode* cSplashWidget::FindLiveNode(const void* handle)
{
    return LiveNodes().count(handle) != 0 ? static_cast<SplashNode*>(const_cast<void*>(handle)) : nullptr;
}

cSplashWidget::cSplashWidget(cMiddle* application) : vrk::cWidget(kName), application_(application)
{
    LiveWidgets().insert(static_cast<const void*>(this));
    fade_.speed = kFadeSpeed;

    LoadSplashPictures();
    if (lua_State* state = vrk::GetLuaState()) {
        // A script without FillSplash must not run one left by an earlier script.
        lua_pushnil(state);
        vrk::SetGlobalRaw(state, kFillFunction);
        if (vrk::cScript::RunFile(kScript) == 0) {
            vrk::PushGlobalRaw(state, kFillFunction);
            lua_pushlightuserdata(state, this);
            // The nodes added before an error stay; the error itself is dropped.
            if (vrk::cScript::Call(state, 1, kScript) != 0) lua_pop(state, 1);
        }
    }
    fade_.SetTarget(1.0f);
}

cSplashWidget::~cSplashWidget()
{
    nodes_.clear();
    LiveWidgets().erase(static_cast<const void*>(this));
}

void cSplashWidget::SetBackColor(float red, float green, float blue)
{
    if (!application_) return;
    application_->backColor = BackColor{red, green, blue, 1.0f};
}

SplashNode* cSplashWidget::AddNode(float seconds)
{
    nodes_.push_back(std::make_unique<SplashNode>(seconds));
    return nodes_.back().get();
}

int32_t cSplashWidget::OnEvent(int32_t kind, intptr_t /*parameter*/)
{
    if ((kind == vrk::kWidgetKeyDown || kind == vrk::kWidgetButtonDown) && current_ < nodes_.size())
        nodes_[current_]->time = 0.0f;
    return 0;
}

void cSplashWidget::Tick()
{
    if (current_ >= nodes_.size()) {
        nodes_.clear();
        current_ = 0;
        // Sprite descriptions and fonts share the textures they use, so those stay
        // alive; only the registry lets go of them.
        vrk::GetTextureMap().clear();
        if (application_) application_->OnSplashEnd();
        return;
    }
    fade_.Step(vrk::kFixedTick);
    SplashNode& node = *nodes_[current_];
    node.time -= vrk::kFixedTick;
    if (fadingOut_ == 0 && node.time <= kFadeOutLead) {
        fade_.SetTarget(0.0f);
        fadingOut_ = 1;
    }
    if (node.time <= 0.0f) {
        ++current_;
        fade_.SetTarget(1.0f);
        fadingOut_ = 0;
    }
}

void cSplashWidget::Draw()
{
    vrk::cRender* render = vrk::GetRender();
    if (render) {
        const BackColor color = application_ ? application_->backColor : BackColor{};
        render->SetClearColor(color.r, color.g, color.b, 1.0f);
        render->ClearRenderTarget();
    }
    if (current_ >= nodes_.size()) return;
    DrawNode(*nodes_[current_]);
    if (vrk::cGame* game = vrk::GetGame(); game && game->gui) game->gui->Draw();
}

void cSplashWidget::DrawNode(const SplashNode& node)
{
    vrk::cRender* render = vrk::GetRender();
    vrk::cGame* game = vrk::GetGame();
    if (!render || !game || !game->batch) return;
    const vrk::ScreenRect viewport = render->viewportRect;
    render->SetOrtho2D(true, vrk::kGuiWidth, vrk::kGuiHeight);
    render->SetBlendFunc(port::kBlendSrcAlpha, port::kBlendInvSrcAlpha);
    render->SetAlphaTest(0, 0.0f);

    const auto alpha = static_cast<uint32_t>(std::trunc(std::clamp(fade_.current, 0.0f, 1.0f) * kAlphaScale));
    const uint32_t color = (alpha << kAlphaShift) | kWhiteRgb;
    vrk::VertexBatch& batch = *game->batch;
    batch.Clear();
    for (size_t index = 0; index < node.textures.size() && index < node.rectangles.size(); ++index) {
        // An unknown picture draws nothing rather than a white block.
        if (!node.textures[index]) continue;
        const SplashNode::Rect& rect = node.rectangles[index];
        vrk::cRender::AddQuad(batch, node.textures[index], 0.0f, 0.0f, 1.0f, 1.0f, std::floor(rect.x),
                              std::floor(rect.y), std::floor(rect.w), std::floor(rect.h), color);
    }
    render->DrawVertexBatch(batch);
    batch.Clear();
    RestoreRenderState(*render, viewport);
}
