// The achievements screen: the wall and the plaques built into a scene without
// plaques (rows of three, the wall stopping at a piece it cannot stack), a scene with
// plaques shown as it is and kept across visits, the plaques' values in the screen's
// font and offset, and the wall texture's clamp outlasting a re-upload.
#include "game/screens/achieve_widget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/achieve.h"
#include "port/gpu/null_gpu_system.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/framework/widgets/screen_fixtures.h"

namespace {

constexpr float kWallPieceHeight = 512.0f;

class AchieveWidgetTest : public test::ScreenTest {
protected:
    AchieveWidgetTest()
    {
        // Pieces stack from their bottom-left corner, as the committed art has them.
        test::RegisterTestSprite("achieve_wall", 1, 0.0f, cAchieveWidget::kSceneWidth, kWallPieceHeight);
        test::RegisterTestSprite(cAchieveWidget::kFrontSprite, 1, 0.0f, 1024.0f, 768.0f);
    }
    // The application's list holds `count` achievements; the scene is a background.
    void Begin(int count, const std::vector<std::pair<int32_t, std::string>>& scene = {{kTypeBack, "back"}})
    {
        for (int i = 0; i < count; ++i) {
            const std::string name = "achieve_test" + std::to_string(i);
            middle_.AddAchievement(name, name + "_d", static_cast<uint32_t>(10 * (i + 1)));
        }
        StartGame();
        WriteScene(*middle_.GetLevelFiles().GetAchieveStream(), "achieve", scene);
    }
    std::vector<cObject*> Objects(int32_t kind)
    {
        ObjectList found;
        widget_.FindObjectsOfKind(found, kind, -1);
        return found;
    }
    // Plaques per row, top row first.
    std::vector<int> RowCounts()
    {
        std::map<float, int, std::greater<>> rows;
        for (cObject* plaque : Objects(kTypeAchieve)) ++rows[plaque->GetPosition().y];
        std::vector<int> counts;
        for (const auto& [y, count] : rows) counts.push_back(count);
        return counts;
    }

    test::LogCapture log_;
    cAchieveWidget widget_;
};

TEST_F(AchieveWidgetTest, SceneWithoutPlaques_GetsTheWallAndRowsOfThreePlaques)
{
    Begin(7);
    widget_.OnFocus();
    EXPECT_EQ(RowCounts(), (std::vector<int>{3, 3, 1}));
    const std::vector<cObject*> plaques = Objects(kTypeAchieve);
    ASSERT_EQ(plaques.size(), 7u);
    EXPECT_EQ(plaques[0]->GetSprite(), "achieve_test0");
    EXPECT_EQ(plaques[0]->GetPosition(), (vec2{260.0f, 2922.0f - 250.0f}));
    EXPECT_EQ(plaques[2]->GetPosition(), (vec2{760.0f, 2922.0f - 250.0f}));
    EXPECT_EQ(plaques[6]->GetPosition(), (vec2{260.0f, 2922.0f - 790.0f}));
    EXPECT_EQ(plaques[6]->GetLayer(), cAchieveWidget::kPlaqueLayer);
    // Linked to the list by their names.
    EXPECT_EQ(dynamic_cast<cAchieve*>(plaques[6])->GetAchievementIndex(), 6);

    // Six pieces of 512 reach past 2922; the wall starts at the bottom.
    int pieces = 0;
    for (cObject* decor : Objects(kTypeDecor)) {
        EXPECT_EQ(decor->GetPosition(), (vec2{0.0f, kWallPieceHeight * static_cast<float>(pieces)}));
        EXPECT_EQ(decor->GetLayer(), cAchieveWidget::kWallLayer);
        ++pieces;
    }
    EXPECT_EQ(pieces, 6);
    // The screen opens at the top of the wall.
    EXPECT_EQ(widget_.GetLevelHeight(), cAchieveWidget::kSceneHeight);
    EXPECT_EQ(widget_.GetViewCenter().y, cAchieveWidget::kSceneHeight - cBaseWidget::kVirtualHeight / 2.0f);

    // The next visit builds the wall and the plaques again: nothing is added twice.
    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_EQ(Objects(kTypeAchieve).size(), 7u);
    EXPECT_EQ(Objects(kTypeDecor).size(), 6u);
}

TEST_F(AchieveWidgetTest, ThirtyAchievements_FillTenRows)
{
    Begin(30);
    widget_.OnFocus();
    EXPECT_EQ(RowCounts(), std::vector<int>(10, 3));
}

TEST_F(AchieveWidgetTest, SceneWithPlaques_IsShownAsLoadedAndKeptAcrossVisits)
{
    Begin(7, {{kTypeBack, "back"}, {kTypeAchieve, "achieve_test3"}, {kTypeAchieve, "achieve_test5"}});
    widget_.OnFocus();
    EXPECT_EQ(Objects(kTypeAchieve).size(), 2u);
    EXPECT_TRUE(Objects(kTypeDecor).empty());
    Objects(kTypeAchieve).front()->SetPosition(7.0f, 9.0f);
    widget_.OnUnfocus();
    widget_.OnFocus();
    ASSERT_EQ(Objects(kTypeAchieve).size(), 2u);
    EXPECT_EQ(Objects(kTypeAchieve).front()->GetPosition(), (vec2{7.0f, 9.0f}));
}

TEST_F(AchieveWidgetTest, WallPieceWithoutHeightOrNotMade_StopsTheWallWithAWarning)
{
    GetTextureInfoExMap().erase("achieve_wall");
    Begin(2);
    widget_.OnFocus();
    EXPECT_EQ(Objects(kTypeDecor).size(), 1u);
    EXPECT_EQ(Objects(kTypeAchieve).size(), 2u);
    EXPECT_TRUE(log_.Contains("has no height"));

    class NoDecorScreen : public cAchieveWidget {
    public:
        cObject* CreateObject(int32_t typeId, uint32_t id) override
        {
            return typeId == kTypeDecor ? nullptr : cAchieveWidget::CreateObject(typeId, id);
        }
    } screen;
    screen.OnFocus();
    ObjectList plaques;
    EXPECT_EQ(screen.FindObjectsOfKind(plaques, kTypeAchieve, -1), 2u);
    EXPECT_TRUE(log_.Contains("no decoration for the wall"));
}

TEST_F(AchieveWidgetTest, PlaqueValues_UseTheKeptFontAndOffset)
{
    auto font = std::make_shared<vrk::cFont>();
    test::FillTestFont(*font);
    vrk::GetFontMap()[cAchieveWidget::kValueFont] = font;
    Begin(1);
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetScreenState(), 1);
    EXPECT_EQ(widget_.GetValueFont(), font);
    EXPECT_EQ(widget_.GetCaptionOffset(), (vec2{0.0f, -75.0f}));

    vrk::VertexBatch batch;
    test::FakeAppServices services;
    services.batch = &batch;
    cObject* plaque = Objects(kTypeAchieve).front();
    plaque->Draw();
    // The plaque's frame ends 24 below its centre: anything lower is the value "10".
    const float valueLine = plaque->GetPosition().y - 75.0f;
    int valueVertices = 0;
    for (uint32_t i = 0; i < batch.UsedVertices(); ++i) {
        const vrk::BatchVertex& vertex = batch.vertices[i];
        if (vertex.y < plaque->GetPosition().y - 40.0f) {
            EXPECT_NEAR(vertex.y, valueLine, font->lineHeight);
            EXPECT_NEAR(vertex.x, plaque->GetPosition().x, 20.0f);
            ++valueVertices;
        }
    }
    EXPECT_GT(valueVertices, 0);
    vrk::GetFontMap().erase(cAchieveWidget::kValueFont);
}

// A renderer over the recording device for one test.
class RecordingRender {
public:
    RecordingRender()
    {
        port::PresentParameters params;
        params.windowed = 1;
        params.backBufferFormat = port::kFormatA8R8G8B8;
        EXPECT_EQ(system_.CreateDevice(port::kCreateHardwareVertexProcessing, params, device_), port::kGpuOk);
        render = vrk::CreateRender();
        render->CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
        render->SetScreenRect(0, 0, 1024, 768);
        render->SetHardwareDefaults();
        render->SetVertexFormat(true, false, true, 2);
    }
    ~RecordingRender()
    {
        vrk::GetTextureMap().clear();
        vrk::DestroyRender();
    }
    port::NullGpuRecorder& Recorder() { return system_.Recorder(); }

    vrk::cRender* render = nullptr;

private:
    port::NullGpuSystem system_;
    std::unique_ptr<port::GpuDevice> device_;
};

TEST_F(AchieveWidgetTest, WallTexture_IsClampedAtSetUpAndAfterAReupload)
{
    ASSERT_EQ(vrk::GetRender(), nullptr);
    RecordingRender gpu;
    const vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
    const vrk::TexturePtr wall = vrk::CreateTextureFromImage(cAchieveWidget::kWallTexture, &picture);
    ASSERT_TRUE(wall->IsOnDevice());
    Begin(1);
    widget_.OnFocus();
    EXPECT_EQ(wall->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressClamp));
    vrk::ReleaseAllTextures();
    vrk::RestoreAllTextures();
    ASSERT_TRUE(wall->IsOnDevice());
    EXPECT_EQ(wall->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressClamp));
}

TEST_F(AchieveWidgetTest, Front_IsDrawnLastOverTheScreenWhereverTheWallIsScrolled)
{
    ASSERT_EQ(vrk::GetRender(), nullptr);
    RecordingRender gpu;
    const vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
    vrk::FindTexture("achieve_front_tex")->SetImage(&picture);
    vrk::VertexBatch batch;
    test::FakeAppServices services;
    services.batch = &batch;
    Begin(3);
    widget_.OnFocus();
    widget_.SetViewCenter(512.0f, 900.0f);
    gpu.Recorder().Clear();

    widget_.DrawPlay(batch);
    const auto& draws = gpu.Recorder().draws;
    ASSERT_FALSE(draws.empty());
    const port::NullDraw& front = draws.back();
    EXPECT_NE(front.textureId, 0u);
    float left = 1e9f, bottom = 1e9f, right = -1e9f, top = -1e9f;
    for (size_t at = 0; at + sizeof(vrk::BatchVertex) <= front.vertices.size(); at += sizeof(vrk::BatchVertex)) {
        vrk::BatchVertex vertex;
        std::memcpy(&vertex, front.vertices.data() + at, sizeof(vertex));
        left = std::min(left, vertex.x);
        right = std::max(right, vertex.x);
        bottom = std::min(bottom, vertex.y);
        top = std::max(top, vertex.y);
    }
    EXPECT_EQ(left, 0.0f);
    EXPECT_EQ(bottom, 0.0f);
    EXPECT_EQ(right, 1024.0f);
    EXPECT_EQ(top, 768.0f);
    // Not moved by the view, and blending is off again afterwards.
    EXPECT_EQ(gpu.render->world.At(3, 1), 0.0f);
    EXPECT_EQ(gpu.render->world.At(1, 1), 1.0f);
    EXPECT_FALSE(gpu.render->blendEnabled);
}

}  // namespace
