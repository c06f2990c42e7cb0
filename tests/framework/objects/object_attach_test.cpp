// Route nodes: attaching, detaching, route points and the safety of either side
// being deleted first.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/objects/node.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class ObjectAttachTest : public ::testing::Test {
protected:
    std::unique_ptr<cNode> MakeNode(float x, float y)
    {
        auto node = std::make_unique<cNode>(&owner_);
        node->SetPosition(x, y);
        return node;
    }

    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

TEST_F(ObjectAttachTest, Node_HasTypeLayerAndKind)
{
    cNode node(&owner_);
    EXPECT_EQ(node.GetTypeId(), kTypeNode);
    EXPECT_TRUE(node.IsKindOf(kTypeNode));
    EXPECT_TRUE(node.IsKindOf(kTypeObject));
    EXPECT_FALSE(node.IsKindOf(kTypeDecor));
    EXPECT_EQ(node.GetLayer(), 7);
    EXPECT_EQ(node.GetLinkId(), 0);
}

TEST_F(ObjectAttachTest, Attach_SetsLinkIdHolderAndList)
{
    cObject holder(&owner_);
    holder.SetId(42);
    auto node = MakeNode(1.0f, 2.0f);
    holder.Attach(node.get());
    holder.Attach(node.get());
    EXPECT_EQ(node->GetLinkId(), 42);
    EXPECT_EQ(node->GetHolder(), &holder);
    EXPECT_EQ(holder.GetAttached().size(), 1u);
}

TEST_F(ObjectAttachTest, Attach_MovesNodeFromPreviousHolder)
{
    cObject first(&owner_);
    cObject second(&owner_);
    auto node = MakeNode(0.0f, 0.0f);
    first.Attach(node.get());
    second.Attach(node.get());
    EXPECT_TRUE(first.GetAttached().empty());
    EXPECT_EQ(node->GetHolder(), &second);
}

TEST_F(ObjectAttachTest, DetachAndDetachAll_ClearHolders)
{
    cObject holder(&owner_);
    auto a = MakeNode(0.0f, 0.0f);
    auto b = MakeNode(0.0f, 0.0f);
    holder.Attach(a.get());
    holder.Attach(b.get());
    holder.Detach(a.get());
    EXPECT_EQ(a->GetHolder(), nullptr);
    EXPECT_EQ(holder.GetAttached().size(), 1u);
    holder.DetachAll();
    EXPECT_EQ(b->GetHolder(), nullptr);
    EXPECT_TRUE(holder.GetAttached().empty());
}

TEST_F(ObjectAttachTest, Detach_OfNodeHeldElsewhereKeepsItsHolder)
{
    cObject holder(&owner_);
    cObject stranger(&owner_);
    auto node = MakeNode(0.0f, 0.0f);
    holder.Attach(node.get());
    stranger.Detach(node.get());
    EXPECT_EQ(node->GetHolder(), &holder);
}

TEST_F(ObjectAttachTest, Destruction_HolderFirstLeavesNodesFree)
{
    auto holder = std::make_unique<cObject>(&owner_);
    auto node = MakeNode(0.0f, 0.0f);
    holder->Attach(node.get());
    holder.reset();
    EXPECT_EQ(node->GetHolder(), nullptr);
}

TEST_F(ObjectAttachTest, Destruction_NodeFirstLeavesHolderListClean)
{
    cObject holder(&owner_);
    auto node = MakeNode(0.0f, 0.0f);
    holder.Attach(node.get());
    node.reset();
    EXPECT_TRUE(holder.GetAttached().empty());
    std::vector<vec2> points;
    holder.GetLinkedPoints(points);
    EXPECT_EQ(points.size(), 1u);
}

TEST_F(ObjectAttachTest, LinkedPoints_ByNodeCount)
{
    cObject holder(&owner_);
    holder.SetPosition(9.0f, 9.0f);
    std::vector<vec2> points;
    holder.GetLinkedPoints(points);
    EXPECT_EQ(points, (std::vector<vec2>{vec2(9.0f, 9.0f)}));

    auto a = MakeNode(1.0f, 0.0f);
    holder.Attach(a.get());
    holder.GetLinkedPoints(points);
    EXPECT_EQ(points, (std::vector<vec2>{vec2(1.0f, 0.0f)}));

    auto b = MakeNode(2.0f, 0.0f);
    holder.Attach(b.get());
    holder.GetLinkedPoints(points);
    EXPECT_EQ(points, (std::vector<vec2>{vec2(1.0f, 0.0f), vec2(2.0f, 0.0f)}));
}

TEST_F(ObjectAttachTest, LinkedPoints_ThreeNodesGiveNeighbours)
{
    cObject holder(&owner_);
    std::vector<std::unique_ptr<cNode>> nodes;
    for (int i = 0; i < 3; ++i) {
        nodes.push_back(MakeNode(static_cast<float>(i), 0.0f));
        holder.Attach(nodes.back().get());
    }
    app_.random.seed = 12345;
    bool sawFirst = false;
    bool sawSecond = false;
    std::vector<vec2> points;
    for (int i = 0; i < 200; ++i) {
        holder.GetLinkedPoints(points);
        ASSERT_EQ(points.size(), 2u);
        ASSERT_EQ(points[1].x - points[0].x, 1.0f);
        sawFirst = sawFirst || points[0].x == 0.0f;
        sawSecond = sawSecond || points[0].x == 1.0f;
    }
    EXPECT_TRUE(sawFirst);
    EXPECT_TRUE(sawSecond);
}

TEST_F(ObjectAttachTest, NodeGeometry_MarkerAndPickQuad)
{
    auto node = MakeNode(100.0f, 200.0f);
    Rect rect;
    node->GetFrameRect(rect, 5);
    EXPECT_EQ(rect.x, 94.0f);
    EXPECT_EQ(rect.y, 194.0f);
    EXPECT_EQ(rect.width, 12.0f);
    EXPECT_EQ(rect.height, 12.0f);
    Quad quad;
    node->GetQuad(quad);
    EXPECT_EQ(quad[0], vec2(50.0f, 175.0f));
    EXPECT_EQ(quad[2], vec2(150.0f, 225.0f));
}

TEST_F(ObjectAttachTest, NodeDrawEditor_ColourByHolder)
{
    cObject holder(&owner_);
    auto node = MakeNode(0.0f, 0.0f);
    node->Draw();
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
    node->DrawEditor();
    ASSERT_EQ(owner_.batch.UsedVertices(), 6u);
    EXPECT_EQ(owner_.batch.vertices[0].color, cNode::kFreeColor);
    holder.Attach(node.get());
    node->DrawEditor();
    EXPECT_EQ(owner_.batch.vertices[6].color, cNode::kHeldColor);
}

}  // namespace
