// The calls the game plays sounds and music with, by name.
#pragma once
#include <string>

#include "engine/sound/sound.h"

namespace vrk {

// Plays the sample once; the sound keeps playing after this returns.
void PlaySound(const std::string& name);
// A new looping, playing sound; the caller owns it (StopAndDeleteSound ends it).
cSound* PlayLoopedSound(const std::string& name);
// Stops the sound's channel and deletes the object (null is ignored).
void StopAndDeleteSound(cSound* sound);
// Fades every playing music out over a second and fades the named one in, looping
// (the placeholder when no music has that name).
void SwitchMusic(const std::string& name);

}  // namespace vrk
