// cLoadData: the queue entry base and its hand-over to the loading screen.
#include "framework/widgets/load_data.h"

#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "framework/widgets/loading_widget.h"

cLoadData::cLoadData(const std::string& path) : path_(path) {}

void cLoadData::Queue(std::unique_ptr<cLoadData> item)
{
    if (!item) return;
    if (cLoadingWidget* loading = cLoadingWidget::GetInstance()) {
        loading->Add(std::move(item));
        return;
    }
    // Nobody would ever load or free it: it goes at once.
    if (vrk::GetGame()) vrk::LogWrite("cLoadData", "^5", "cLoadingWidget is unavailable. Memory leak!");
}
