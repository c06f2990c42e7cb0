// The screen base: registration with the core and the default drawing.
#include "engine/platform/widget.h"

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"

namespace vrk {

cWidget::cWidget(const std::string& name) : name_(name)
{
    if (cGame* game = GetGame()) game->AdoptWidget(this);
}

cWidget::~cWidget() = default;

void cWidget::Draw()
{
    if (cGame* game = GetGame(); game && game->gui) game->gui->Draw();
}

}  // namespace vrk
