// cBaseWidget: what a screen asks of the application and the engine core (the
// shared batch, the cursor, the developer flag, the weather, the frame overlay and
// the system text). Each works, doing less, while there is no application.
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "framework/app/middle.h"
#include "framework/objects/app_services.h"
#include "framework/widgets/base_widget.h"

vrk::VertexBatch* cBaseWidget::GetPrimitiveBatch()
{
    if (cAppServices* services = GetAppServices()) return services->GetPrimitiveBatch();
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->batch.get() : nullptr;
}

vec2 cBaseWidget::GetCursorPixel()
{
    int32_t x = 0;
    int32_t y = 0;
    vrk::GetCursorClientPos(x, y);
    return vec2{static_cast<float>(x), static_cast<float>(y)};
}

vec2 cBaseWidget::GetMouseScreenPos()
{
    if (cMiddle* middle = GetMiddle()) {
        vec2 position;
        middle->GetMousePos(position);
        return position;
    }
    return WindowToScreen(GetCursorPixel());
}

bool cBaseWidget::IsDeveloperMode() const
{
    const cMiddle* middle = GetMiddle();
    return middle != nullptr && middle->developerFlag != 0;
}

ParticleStore* cBaseWidget::GetParticleStore() const
{
    cMiddle* middle = GetMiddle();
    return middle != nullptr ? &middle->GetWeather() : nullptr;
}

void cBaseWidget::DrawFrameOverlay(vrk::VertexBatch& batch)
{
    if (cMiddle* middle = GetMiddle()) middle->DrawFrameOverlay(&batch);
}

void cBaseWidget::DrawSystemText(const std::string& text, float x, float y)
{
    if (cAppServices* services = GetAppServices()) services->DrawSystemText(text, x, y);
}

void cBaseWidget::AddEffect(const std::string& name, const vec2& position)
{
    if (!effectList_) return;
    const std::shared_ptr<vrk::cFont> font = GetEffectFont();
    effectList_->Add(font.get(), name, position);
}

int32_t cBaseWidget::GetLayerBlendMode(int32_t layer) const
{
    return layer >= 0 && layer < kLayerCount ? blendModes_[static_cast<size_t>(layer)] : 0;
}
