// Shared pieces of the game-control and dialog tests: an application whose cursor and
// focused screen the test sets, over an engine core with a 1024 x 768 GUI, and a
// recording window to put controls in.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/render/vertex_batch.h"
#include "tests/framework/app/middle_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace test {

class DialogMiddle : public PlainMiddle {
public:
    void GetMousePos(vec2& position) override { position = mouse; }
    vrk::cWidget* GetFocusedWidget() override { return focused; }

    vec2 mouse{-1000.0f, -1000.0f};
    vrk::cWidget* focused = nullptr;
};

class DialogTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        game->gui->clientRect = vrk::ClientRect{0, 0, 1024, 768};
        app = std::make_unique<DialogMiddle>();
        batch().Clear();
    }
    void TearDown() override
    {
        app.reset();
        StartupTest::TearDown();
    }
    vrk::VertexBatch& batch() { return *game->batch; }
    vrk::cWindow* AddWindow(const std::string& name, std::unique_ptr<vrk::cWindowFunction> function = nullptr)
    {
        return game->gui->AddWindow(name, std::move(function));
    }
    // The bounds of the quad at vertex `first`: x, y, width, height.
    vrk::GuiRect QuadBounds(uint32_t first = 0)
    {
        float minX = 1e30f, maxX = -1e30f, minY = 1e30f, maxY = -1e30f;
        for (uint32_t i = first; i < first + 6; ++i) {
            const vrk::BatchVertex& v = batch().vertices[i];
            minX = std::min(minX, v.x);
            maxX = std::max(maxX, v.x);
            minY = std::min(minY, v.y);
            maxY = std::max(maxY, v.y);
        }
        return vrk::GuiRect{minX, minY, maxX - minX, maxY - minY};
    }

    std::unique_ptr<DialogMiddle> app;
};

}  // namespace test
