// The application pointer behind cAppServices.
#include "framework/objects/app_services.h"

namespace {
cAppServices* g_appServices = nullptr;
}

cAppServices* GetAppServices() { return g_appServices; }

void SetAppServices(cAppServices* services) { g_appServices = services; }

int32_t AppRandom(int32_t n)
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().Next(n) : 0;
}
