// The play levels' scenes as the player sees them: no object the player clicks (a
// source, a field, a site or building, a bonfire, an altar, a bridge, log or stone,
// the bell, the prison, a pick-up) may have more than a quarter of its picture
// covered by the union of every picture drawn in front of it (buildings, trees, the
// home and its flag, enemy towers, scenery), at the start and again once every site
// stands at its top level. The pictures are compared pixel by pixel through their
// textures' alpha, in the order the level screen draws them (by layer, and within
// the sorted layer from the back); walkers are left out, they move on. A tree in a
// wood counts like any other object: the player clicks that tree.
//
// The levels that still hide something are listed below; a listed level that hides
// nothing any more fails the test too, so the list only shrinks. Also the measure
// itself, on a tree placed by hand.
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
// Work ticks one building step may take at most (a special building pays its price
// in instalments): well past the slowest.
constexpr int kMostWorkTicks = 200000;
// Every kind of stock a site may ask for, plenty of each.
constexpr int32_t kPlenty = 1000000;

// The decoded pictures, by texture name: alpha only, row by row.
struct AlphaMask {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> alpha;
};

// One picture an object draws: its frame, the home's flag, or a site's build icon.
struct Part {
    const vrk::cTexture* texture = nullptr;
    FrameWindow window;
    Rect rect;  // in the world, y up
    bool icon = false;
};

// The build icon as a site draws it: at its position, a third of its picture's
// height higher on a built house that can still be raised; the home's flag where
// the home draws it.
constexpr const char* kBuildIcon = "icon_build";
constexpr float kIconLift = 1.0f / 3.0f;
constexpr vec2 kFlagOffset{-4.0f, 104.0f};
constexpr const char* kEnemyTower = "tower_enemy00";

Part SpritePart(const SpriteInfo& sprite, int32_t frame, const vec2& at, bool icon)
{
    const vec2 hotSpot = sprite.HotSpot(frame);
    const vec2 size = sprite.Size(frame);
    return Part{sprite.texture.get(), sprite.Window(frame), Rect{at.x - hotSpot.x, at.y - hotSpot.y, size.x, size.y},
                icon};
}

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
        if (build == nullptr) return parts;
        const SpriteAnim& flag = build->GetFlagSprite();
        if (flag.info.IsSprite() && flag.CurrentFrame() >= 0) {
            parts.push_back(SpritePart(flag.info, flag.CurrentFrame(), object.GetPosition() + kFlagOffset, false));
        }
        if (build->ShowsBuildIcon()) {
            const SpriteInfo icon = GetAppServices()->GetSpriteInfoEx(kBuildIcon);
            if (icon.IsSprite()) {
                vec2 at = object.GetPosition();
                if (build->GetLevel() >= 0 && build->GetMaxLevel() > 0) {
                    Rect frame;
                    object.GetFrameRect(frame, -1);
                    at.y += frame.height * kIconLift;
                }
                parts.push_back(SpritePart(icon, 0, at, true));
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

// What the player clicks and so must see: sites and buildings that can still be
// raised, plants (the home and the enemy's towers aside), sources, fields,
// obstacles, altars, bells, bonfires, the prison and pick-ups.
bool IsClickable(const cMagicWidget& screen, const cObject* object)
{
    if (object == static_cast<const cObject*>(screen.home)) return false;
    if (object->GetSprite() == kEnemyTower) return false;
    // A building at its top level takes no more orders; a plant still seats workers.
    const auto* build = dynamic_cast<const cBuild*>(object);
    if (build != nullptr && build->GetLevel() >= build->GetMaxLevel() && !object->IsKindOf(kTypePlant)) return false;
    for (int32_t kind :
         {kTypeBuild, kTypeBarrier, kTypeSource, kTypeField, kTypeAltar, kTypeBell, kTypeBonfire, kTypeItem}) {
        if (object->IsKindOf(kind)) return true;
    }
    return false;
}

// What stands still over the ground and shows in play: everything but the walkers,
// the pick-ups (they lie on it), the background and what only the editor draws
// (the enemy's camps, way points, the invisible markers).
bool StandsStill(const cObject* object)
{
    for (int32_t kind : {int32_t{kTypeMan}, int32_t{kTypeBack}, int32_t{kTypeItem}, int32_t{kTypeBaseEnemy},
                         int32_t{kTypeWayPoint}, int32_t{kTypeNode}}) {
        if (object->IsKindOf(kind)) return false;
    }
    return object->GetTypeId() != kTypeObject;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

std::string KindOf(const cObject& object)
{
    if (const auto* build = dynamic_cast<const cBuild*>(&object)) return build->GetLevel() < 0 ? "site" : "building";
    switch (object.GetTypeId()) {
    case kTypeSource: return "source";
    case kTypeField: return "field";
    case kTypeBarrier: return "barrier";
    case kTypeAltar: return "altar";
    case kTypeBell: return "bell";
    case kTypeBonfire: return "bonfire";
    case kTypeItem: return "pick-up";
    default: return "object";
    }
}

std::string Label(const cObject& object) { return object.GetName() + " (" + object.GetSprite() + ")"; }

// How much of one clickable object the pictures drawn after it hide, and by whom.
struct Hidden {
    float share = 0.0f;
    std::vector<std::pair<int, const cObject*>> coverers;  // points hidden, most first
};

// The scene in draw order with every standing picture, ready to be measured.
class Scene {
public:
    Scene(Pictures& pictures, cMagicWidget& screen) : pictures_(pictures)
    {
        // The level screen's lists are its draw order: layer by layer, each in turn.
        screen.FindObjectsOfKind(order_, kTypeObject, -1);
        for (cObject* object : order_) {
            parts_.push_back(StandsStill(object) || IsClickable(screen, object) ? pictures.PartsOf(*object)
                                                                                : std::vector<Part>());
        }
    }

    const ObjectList& Order() const { return order_; }

    // The worst share of one of the object's clickable pictures that the union of
    // the pictures drawn after it covers. A site is read by its icon; otherwise the
    // points count where the picture shows and the object answers a click.
    Hidden Measure(size_t index) const
    {
        cObject& lower = *order_[index];
        std::vector<Part> below = parts_[index];
        if (below.size() > 1 && below.back().icon) below.erase(below.begin(), below.end() - 1);
        Hidden worst;
        for (const Part& part : below) {
            std::vector<size_t> above;
            for (size_t j = index + 1; j < order_.size(); ++j) {
                if (!StandsStill(order_[j])) continue;
                for (const Part& over : parts_[j]) {
                    if (Overlap(part.rect, over.rect)) {
                        above.push_back(j);
                        break;
                    }
                }
            }
            if (above.empty()) continue;
            std::map<size_t, int> hits;
            int shown = 0;
            int covered = 0;
            const Rect& a = part.rect;
            for (float y = a.y + kSampleStep * 0.5f; y < a.y + a.height; y += kSampleStep) {
                for (float x = a.x + kSampleStep * 0.5f; x < a.x + a.width; x += kSampleStep) {
                    const vec2 point{x, y};
                    if (!pictures_.Covers(part, point)) continue;
                    if (!part.icon && lower.HitTest(point) == 0) continue;
                    ++shown;
                    bool hidden = false;
                    for (size_t j : above) {
                        for (const Part& over : parts_[j]) {
                            if (!pictures_.Covers(over, point)) continue;
                            ++hits[j];
                            hidden = true;
                            break;
                        }
                    }
                    covered += hidden ? 1 : 0;
                }
            }
            if (shown == 0) continue;
            const float share = static_cast<float>(covered) / static_cast<float>(shown);
            if (share <= worst.share) continue;
            worst.share = share;
            worst.coverers.clear();
            for (const auto& [j, count] : hits) worst.coverers.emplace_back(count, order_[j]);
            std::sort(worst.coverers.begin(), worst.coverers.end(),
                      [](const auto& x, const auto& y) { return x.first > y.first; });
        }
        return worst;
    }

private:
    Pictures& pictures_;
    ObjectList order_;
    std::vector<std::vector<Part>> parts_;
};

// "field4 (field00, field) 90 % covered by home (base00)" for every clickable object
// covered more than the most allowed; `stage` leads each line.
std::vector<std::string> HiddenObjects(Pictures& pictures, cMagicWidget& screen, const std::string& stage)
{
    const Scene scene(pictures, screen);
    std::vector<std::string> found;
    for (size_t i = 0; i < scene.Order().size(); ++i) {
        const cObject& object = *scene.Order()[i];
        if (!IsClickable(screen, &object)) continue;
        const Hidden hidden = scene.Measure(i);
        if (hidden.share <= kMostCovered) continue;
        char share[16];
        std::snprintf(share, sizeof share, "%.0f", static_cast<double>(hidden.share * 100.0f));
        std::string line = stage + ": " + object.GetName() + " (" + object.GetSprite() + ", " + KindOf(object) + ") " +
                           share + " % covered by";
        for (size_t k = 0; k < hidden.coverers.size(); ++k)
            line += (k == 0 ? " " : ", ") + Label(*hidden.coverers[k].second);
        found.push_back(line);
    }
    return found;
}

// Every site raised to its top level the way workers raise it: the site set to
// work and its work timer run tick by tick, with the stock full, step after step.
void BuildEverySite(cMagicWidget& screen)
{
    for (int32_t& amount : screen.Stock().amounts) amount = kPlenty;
    ObjectList builds;
    screen.FindObjectsOfKind(builds, kTypeBuild, -1);
    for (cObject* object : builds) {
        auto* build = dynamic_cast<cBuild*>(object);
        if (build == nullptr || build->IsHomeBase() || build->GetSprite() == kEnemyTower) continue;
        while (build->GetLevel() < build->GetMaxLevel()) {
            const int32_t before = build->GetLevel();
            build->SetState(kStateWorking);
            for (int tick = 0; tick < kMostWorkTicks && build->GetLevel() == before; ++tick) {
                for (int32_t& amount : screen.Stock().amounts) amount = kPlenty;
                build->UpdateTimer(cObject::kTickSeconds);
            }
            ASSERT_GT(build->GetLevel(), before) << Label(*build) << " never rose from level " << before;
        }
    }
}

class LevelOverlapTest : public test::GameTour {
protected:
    // Trees sway from a random phase: each level starts from its own seed, so what
    // one level measures never shifts with the levels loaded before it.
    cMagicWidget* LoadLevel(uint32_t index)
    {
        app->GetRandomGen().seed = index;
        return ShowLevel(index, kLoadTicks);
    }
    void LeaveLevel()
    {
        app->ShowComics("menu", "level");
        Frames(2);
    }
};

TEST_F(LevelOverlapTest, MeasureCountsTheUnionOfThePicturesDrawnInFront)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    Pictures pictures;
    cMagicWidget* screen = LoadLevel(0);
    ASSERT_NE(screen, nullptr);
    ObjectList sources;
    ObjectList builds;
    screen->FindObjectsOfKind(sources, kTypeSource, -1);
    screen->FindObjectsOfKind(builds, kTypeBuild, -1);
    std::vector<cObject*> trees;
    cObject* house = nullptr;
    for (cObject* object : sources) {
        if (object->GetSprite().rfind("tree", 0) == 0) trees.push_back(object);
    }
    for (cObject* object : builds) {
        if (house == nullptr && object->GetSprite() == "house00") house = object;
    }
    ASSERT_GE(trees.size(), 2u);
    ASSERT_NE(house, nullptr);
    const vec2 firstAt = trees[0]->GetPosition();
    const vec2 secondAt = trees[1]->GetPosition();
    const auto shareOf = [&](const cObject* object) {
        Frames(1);  // the sorted layer takes the new places
        const Scene scene(pictures, *screen);
        const auto at = std::find(scene.Order().begin(), scene.Order().end(), object);
        return at == scene.Order().end() ? -1.0f : scene.Measure(static_cast<size_t>(at - scene.Order().begin())).share;
    };
    // Far off, nothing hides the site's icon.
    trees[0]->SetPositionV(house->GetPosition() + vec2{400.0f, 0.0f});
    trees[1]->SetPositionV(house->GetPosition() + vec2{-400.0f, 0.0f});
    EXPECT_EQ(shareOf(house), 0.0f);
    // A cell in front of the site, a crown covers most of the icon.
    trees[0]->SetPositionV(house->GetPosition() + vec2{0.0f, -40.0f});
    EXPECT_GT(shareOf(house), 0.75f);
    // Just behind the site the tree is drawn first and hides nothing.
    trees[0]->SetPositionV(house->GetPosition() + vec2{0.0f, 2.0f});
    EXPECT_EQ(shareOf(house), 0.0f);
    // Two trees in front, one to each side: together they cover more than either.
    const vec2 leftAt = house->GetPosition() + vec2{-24.0f, -12.0f};
    const vec2 rightAt = house->GetPosition() + vec2{24.0f, -13.0f};
    trees[0]->SetPositionV(leftAt);
    const float left = shareOf(house);
    trees[0]->SetPositionV(rightAt);
    const float right = shareOf(house);
    trees[1]->SetPositionV(leftAt);
    const float both = shareOf(house);
    EXPECT_GT(left, 0.0f);
    EXPECT_GT(right, 0.0f);
    EXPECT_GT(both, std::max(left, right));
    EXPECT_LE(both, std::min(left + right, 1.0f));
    trees[0]->SetPositionV(firstAt);
    trees[1]->SetPositionV(secondAt);
    LeaveLevel();
}

TEST_F(LevelOverlapTest, NoClickablePictureIsMoreThanAQuarterCovered_AtTheStartNorOnceEverySiteIsBuilt)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    Pictures pictures;
    for (uint32_t index = 0; index < kLevelCount; ++index) {
        char id[8];
        std::snprintf(id, sizeof id, "%03u", index);
        SCOPED_TRACE(std::string("level ") + id);
        cMagicWidget* screen = LoadLevel(index);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->GetLevelName(), id);
        std::vector<std::string> found = HiddenObjects(pictures, *screen, "start");
        BuildEverySite(*screen);
        for (const std::string& line : HiddenObjects(pictures, *screen, "built")) found.push_back(line);
        LeaveLevel();

        for (const std::string& line : found) ADD_FAILURE() << line;
    }
}

}  // namespace
