// Rising texts: they drift up, fade in their last second and go after two.
#include <gtest/gtest.h>

#include "framework/widgets/caption_list.h"

namespace {

TEST(CaptionList, Update_RisesFadesAndRemoves)
{
    CaptionList list;
    list.Add(nullptr, "+5", vec2{100.0f, 50.0f});
    ASSERT_EQ(list.captions.size(), 1u);
    EXPECT_EQ(list.captions[0].color, 0xFFFFFFFFu);
    list.Update(0.5f);
    EXPECT_FLOAT_EQ(list.captions[0].y, 56.0f);
    EXPECT_EQ(list.captions[0].color, 0xFFFFFFFFu);
    list.Update(1.0f);
    EXPECT_EQ(list.captions[0].color >> 24, 127u);
    list.Update(0.5f);
    EXPECT_TRUE(list.captions.empty());
}

}  // namespace
