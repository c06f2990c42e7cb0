// HoverPick: the play hover's choice at one point, offered the scene's objects in
// the order they are drawn. The object the player sees at the point wins: a nearer
// object takes the pointer from one behind it where its picture shows, except that
// a faint tint (a marked building plot) lets through what stands solid behind it,
// and a figure or a building that takes no order still hides what lies behind it.
#pragma once
#include <cstdint>

#include "engine/render/alpha_mask.h"
#include "framework/objects/vec2.h"

class cObject;

class HoverPick {
public:
    // Tests the object at the point; it is drawn over every object offered before.
    void Offer(cObject& candidate, const vec2& point);

    // The object picked so far (null for none) and the part its hit test gave.
    cObject* Object() const { return object_; }
    int32_t Part() const { return part_; }

private:
    cObject* object_ = nullptr;
    int32_t part_ = 0;
    // How firmly what is nearest at the point covers it.
    vrk::TexelCover cover_ = vrk::kCoverNone;
};
