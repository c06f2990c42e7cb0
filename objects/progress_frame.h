// The frame that shows how far a piece of work has come: a share of the current
// animation's frames, always one of its frames. Barriers and buildings rise or
// clear frame by frame while their work timer runs.
#pragma once
#include <algorithm>
#include <cstdint>

#include "framework/objects/object.h"

// Shows frame progress x frame count, cut to a whole number and kept within the
// animation; an animation without frames gets no frame set.
inline void ShowProgressFrame(cObject& object, float progress)
{
    const int32_t count = object.GetFrameCount();
    if (count <= 0) return;
    const float scaled = progress * static_cast<float>(count);
    // The comparison also turns a NaN progress into frame 0.
    const int32_t frame = scaled >= 0.0f ? static_cast<int32_t>(std::min(scaled, static_cast<float>(count - 1))) : 0;
    object.SetFrame(frame);
}
