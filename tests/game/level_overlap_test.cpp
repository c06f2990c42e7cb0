// The play levels' scenes as the player sees them: no clickable object's picture
// (a building site's icon; the clickable part of a source's, an altar's, a bell's,
// a bonfire's, a barrier's or the prison's picture) may be more than a quarter
// covered by the picture of a standing object drawn over it (a building, a tree, a
// tank, an enemy tower, scenery). The pictures are compared pixel by pixel through
// their textures' alpha, in the order the level screen draws them (by layer, and
// within the sorted layer from the back); walkers are left out, they move on.
// Fields, broad patches of ground, and sources among sources (a wood) are not
// judged. Also the measure itself, on a tree placed by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/image_reader.h"
#include "engine/render/image.h"
#include "framework/app/player_base.h"
#include "framework/objects/app_services.h"
#include "framework/objects/sprite_info.h"
#include "framework/objects/object.h"
#include "game/level/level_table.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr int kLoadTicks = 30;
// World units between the points sampled over a picture.
constexpr float kSampleStep = 2.0f;
// An alpha from this value up counts as picture.
constexpr uint32_t kOpaqueAlpha = 128;
constexpr float kMostCovered = 0.25f;
constexpr size_t kAlphaByte = 3;
constexpr size_t kPixelBytes = 4;

// The decoded pictures, by texture name: alpha only, row by row.
struct AlphaMask {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> alpha;
};

// One picture an object draws: its frame, or a building site's icon.
struct Part {
    const vrk::cTexture* texture = nullptr;
    FrameWindow window;
    Rect rect;  // in the world, y up
    bool icon = false;
};

// The build icon as a site draws it: at its position, a third of its picture's
// height higher on a built house that can still be raised.
constexpr const char* kBuildIcon = "icon_build";
constexpr float kIconLift = 1.0f / 3.0f;

class Pictures {
public:
    // The pictures the object draws standing still.
    std::vector<Part> PartsOf(const cObject& object)
    {
        std::vector<Part> parts;
        FrameInfo info;
        object.GetFrameInfo(info);
        if (info.texture != nullptr && info.size.x > 0.0f && info.size.y > 0.0f) {
            Quad corners;
            object.GetQuad(corners);
            const float x0 = std::min(corners[0].x, corners[2].x);
            const float y0 = std::min(corners[0].y, corners[2].y);
            parts.push_back(Part{info.texture.get(), info.source,
                                 Rect{x0, y0, std::max(corners[0].x, corners[2].x) - x0,
                                      std::max(corners[0].y, corners[2].y) - y0}});
        }
        const auto* build = dynamic_cast<const cBuild*>(&object);
        if (build != nullptr && build->ShowsBuildIcon()) {
            const SpriteInfo icon = GetAppServices()->GetSpriteInfoEx(kBuildIcon);
            if (icon.IsSprite()) {
                vec2 at = object.GetPosition();
                if (build->GetLevel() >= 0 && build->GetMaxLevel() > 0) {
                    Rect frame;
                    object.GetFrameRect(frame, -1);
                    at.y += frame.height * kIconLift;
                }
                const vec2 hotSpot = icon.HotSpot(0);
                const vec2 size = icon.Size(0);
                parts.push_back(Part{icon.texture.get(), icon.Window(0),
                                     Rect{at.x - hotSpot.x, at.y - hotSpot.y, size.x, size.y}, true});
            }
        }
        return parts;
    }

    // Whether the part shows picture at the world point.
    bool Covers(const Part& part, const vec2& point)
    {
        const Rect& r = part.rect;
        const float fx = (point.x - r.x) / r.width;
        const float fy = (point.y - r.y) / r.height;
        if (!(fx >= 0.0f && fx < 1.0f && fy >= 0.0f && fy < 1.0f)) return false;
        const AlphaMask* mask = MaskOf(*part.texture);
        if (mask == nullptr) return true;
        // Texture coordinates count up from the picture's bottom row, as the world's
        // y does; the decoded rows run down from the top.
        const float u = part.window.u + fx * part.window.width;
        const float v = part.window.v + fy * part.window.height;
        const auto x = static_cast<int64_t>(u * static_cast<float>(mask->width));
        const auto y = static_cast<int64_t>((1.0f - v) * static_cast<float>(mask->height));
        if (x < 0 || y < 0 || x >= mask->width || y >= mask->height) return false;
        return mask->alpha[static_cast<size_t>(y) * mask->width + static_cast<size_t>(x)] >= kOpaqueAlpha;
    }

private:
    // Null for a texture whose pixels carry no alpha (every texel is picture).
    const AlphaMask* MaskOf(const vrk::cTexture& texture)
    {
        auto found = masks_.find(texture.name);
        if (found != masks_.end()) return found->second.get();
        std::unique_ptr<AlphaMask> mask;
        vrk::cImage image;
        if (vrk::LoadImageFile(image, texture.path) == vrk::kImageReadOk && image.Desc().alpha != 0 &&
            image.Desc().components == kPixelBytes) {
            mask = std::make_unique<AlphaMask>();
            mask->width = image.Width();
            mask->height = image.Height();
            const uint8_t* bytes = image.LevelData(0);
            mask->alpha.resize(static_cast<size_t>(mask->width) * mask->height);
            for (size_t i = 0; i < mask->alpha.size(); ++i) mask->alpha[i] = bytes[i * kPixelBytes + kAlphaByte];
        }
        const AlphaMask* kept = mask.get();
        masks_[texture.name] = std::move(mask);
        return kept;
    }

    std::map<std::string, std::unique_ptr<AlphaMask>> masks_;
};

// What the player clicks and so must see: sites and buildings (the home and the
// enemy's towers aside), plants, sources, fields, obstacles, altars, bells,
// bonfires and the prison.
bool IsClickable(const cMagicWidget& screen, const cObject* object)
{
    if (object == static_cast<const cObject*>(screen.home)) return false;
    if (object->GetSprite() == "tower_enemy00") return false;
    for (int32_t kind : {kTypeBuild, kTypePlant, kTypeBarrier, kTypeSource, kTypeField, kTypeAltar, kTypeBell,
                         kTypeBonfire, kTypePrison}) {
        if (object->IsKindOf(kind)) return true;
    }
    return false;
}

// What stands still over the ground: everything but the walkers, the invisible
// markers and the background.
bool StandsStill(const cObject* object)
{
    return !object->IsKindOf(kTypeMan) && !object->IsKindOf(kTypeBack) && !object->IsKindOf(kTypeItem) &&
           object->GetTypeId() != kTypeObject;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Whether an upper object's picture can make the lower one hard to read. A field
// is a broad patch of ground that reads round what stands on it; trees, nuggets and
// wells in a wood overlap as a wood does, each still its own.
bool Hides(const cObject* lower, const cObject* upper)
{
    if (lower->IsKindOf(kTypeField)) return false;
    return !(lower->IsKindOf(kTypeSource) && upper->IsKindOf(kTypeSource));
}

// The largest share of one of the lower object's pictures that the upper object's
// pictures cover.
float CoveredShare(Pictures& pictures, cObject& lower, const cObject& upper)
{
    const std::vector<Part> above = pictures.PartsOf(upper);
    std::vector<Part> below = pictures.PartsOf(lower);
    // A site is read by its icon.
    if (below.size() > 1 && below.back().icon) below.erase(below.begin());
    float worst = 0.0f;
    for (const Part& part : below) {
        bool near = false;
        for (const Part& over : above) near = near || Overlap(part.rect, over.rect);
        if (!near) continue;
        const Rect& a = part.rect;
        int shown = 0;
        int covered = 0;
        for (float y = a.y + kSampleStep * 0.5f; y < a.y + a.height; y += kSampleStep) {
            for (float x = a.x + kSampleStep * 0.5f; x < a.x + a.width; x += kSampleStep) {
                const vec2 point{x, y};
                if (!pictures.Covers(part, point)) continue;
                if (!part.icon && lower.HitTest(point) == 0) continue;
                ++shown;
                bool hidden = false;
                for (const Part& over : above) hidden = hidden || pictures.Covers(over, point);
                if (hidden) ++covered;
            }
        }
        if (shown > 0) worst = std::max(worst, static_cast<float>(covered) / static_cast<float>(shown));
    }
    return worst;
}

class LevelOverlapTest : public test::GameTour {
protected:
    cMagicWidget* LoadLevel(uint32_t index) { return ShowLevel(index, kLoadTicks); }

    // "tree3 covers 40 % of house1" for every clickable object covered too much.
    static std::vector<std::string> Overlaps(Pictures& pictures, cMagicWidget& screen)
    {
        // The level screen's lists are its draw order: layer by layer, each in turn.
        ObjectList all;
        screen.FindObjectsOfKind(all, kTypeObject, -1);
        std::vector<std::string> found;
        for (size_t i = 0; i < all.size(); ++i) {
            if (!IsClickable(screen, all[i])) continue;
            for (size_t j = i + 1; j < all.size(); ++j) {
                if (!StandsStill(all[j]) || !Hides(all[i], all[j])) continue;
                const float share = CoveredShare(pictures, *all[i], *all[j]);
                if (share <= kMostCovered) continue;
                char line[160];
                std::snprintf(line, sizeof line, "%s (%s) covers %.0f %% of %s (%s)", all[j]->GetName().c_str(),
                              all[j]->GetSprite().c_str(), static_cast<double>(share * 100.0f),
                              all[i]->GetName().c_str(), all[i]->GetSprite().c_str());
                found.emplace_back(line);
            }
        }
        return found;
    }
};

TEST_F(LevelOverlapTest, NoClickablePictureIsMoreThanAQuarterCovered)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    Pictures pictures;

    // The measure first: a tree set just in front of a house site hides its icon,
    // one set far off does not.
    cMagicWidget* screen = LoadLevel(0);
    ASSERT_NE(screen, nullptr);
    ObjectList sources;
    ObjectList builds;
    screen->FindObjectsOfKind(sources, kTypeSource, -1);
    screen->FindObjectsOfKind(builds, kTypeBuild, -1);
    cObject* tree = nullptr;
    cObject* house = nullptr;
    for (cObject* object : sources) {
        if (tree == nullptr && object->GetSprite().rfind("tree", 0) == 0) tree = object;
    }
    for (cObject* object : builds) {
        if (house == nullptr && object->GetSprite() == "house00") house = object;
    }
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(house, nullptr);
    const vec2 treeAt = tree->GetPosition();
    // A cell in front of the site, its crown over the site's icon.
    tree->SetPositionV(house->GetPosition() + vec2{0.0f, -40.0f});
    EXPECT_GT(CoveredShare(pictures, *house, *tree), kMostCovered);
    tree->SetPositionV(house->GetPosition() + vec2{400.0f, 0.0f});
    EXPECT_EQ(CoveredShare(pictures, *house, *tree), 0.0f);
    tree->SetPositionV(treeAt);
    app->ShowComics("menu", "level");
    Frames(2);

    for (uint32_t index = 0; index < kLevelCount; ++index) {
        char id[8];
        std::snprintf(id, sizeof id, "%03u", index);
        SCOPED_TRACE(std::string("level ") + id);
        screen = LoadLevel(index);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->GetLevelName(), id);
        for (const std::string& overlap : Overlaps(pictures, *screen)) ADD_FAILURE() << overlap;
        app->ShowComics("menu", "level");
        Frames(2);
    }
}

}  // namespace
