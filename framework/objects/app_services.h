// cAppServices: what scene objects ask of the application object, reached through
// the application pointer that the application sets while it exists. The
// application object implements it; tests install small fakes.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/random_gen.h"
#include "framework/objects/sprite_info.h"

namespace vrk {
class VertexBatch;
}

class cAppServices {
public:
    virtual ~cAppServices() = default;

    // The record of a sprite name; a name without a drawable sprite gives a record
    // with no texture (and a warning, see LookUpSpriteInfoEx).
    virtual SpriteInfo GetSpriteInfoEx(const std::string& name) = 0;
    // The generator of the game logic (seeded once at start-up).
    virtual RandomGen& GetRandomGen() = 0;
    // Number of resource kinds; cost and yield vectors have this length.
    virtual int32_t GetResourceCount() = 0;
    // Text centred on (x, y) in the system font, colour markup honoured, into the
    // primitive batch.
    virtual void DrawSystemText(const std::string& text, float x, float y) = 0;
    // The engine's primitive batch that widgets and objects draw into; null only
    // while there is no engine core.
    virtual vrk::VertexBatch* GetPrimitiveBatch() = 0;
};

// The application pointer: null before the application exists and after it is gone;
// every user checks it.
cAppServices* GetAppServices();
void SetAppServices(cAppServices* services);

// The game generator's next value 0..n, or 0 without an application.
int32_t AppRandom(int32_t n);
