// What every fuzz target shares: a private scratch folder (set up once per process,
// with {AppPath} pointing into it and a headless environment), a way to hand the
// input to a reader as a file on disk, and application services for the scene
// objects a level file makes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"

namespace fuzz {

// The scratch folder, made on first use and removed at exit. {AppPath} is
// "<scratch>/app".
const std::string& ScratchFolder();

// Writes the bytes to "<scratch>/<relative>" (making its folders) and answers the
// full path; empty when it could not be written.
std::string WriteScratchFile(const std::string& relative, const uint8_t* data, size_t size);

// Empties the sprite and texture registries a reader may have filled, so a long
// run does not grow them without bound.
void ClearRegistries();

// Sprite lookups through the real registry, a fixed random seed, four resource
// kinds, no drawing. Installed for its lifetime.
class FuzzAppServices : public cAppServices {
public:
    FuzzAppServices();
    ~FuzzAppServices() override;
    FuzzAppServices(const FuzzAppServices&) = delete;
    FuzzAppServices& operator=(const FuzzAppServices&) = delete;

    SpriteInfo GetSpriteInfoEx(const std::string& name) override;
    RandomGen& GetRandomGen() override { return random_; }
    int32_t GetResourceCount() override { return 4; }
    void DrawSystemText(const std::string&, float, float) override {}
    vrk::VertexBatch* GetPrimitiveBatch() override { return nullptr; }

private:
    RandomGen random_;
};

}  // namespace fuzz
