// Tests of the accepted form of profile ids and of new ids.
#include "framework/app/profile_id.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct IdCase {
    const char* id;
    bool valid;
};

std::ostream& operator<<(std::ostream& out, const IdCase& idCase)
{
    return out << '"' << idCase.id << "\" " << (idCase.valid ? "valid" : "refused");
}

class ProfileIdForm : public ::testing::TestWithParam<IdCase> {};

TEST_P(ProfileIdForm, IsValidProfileId_AcceptsOnlyPlrAndDigits)
{
    EXPECT_EQ(IsValidProfileId(GetParam().id), GetParam().valid) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Ids, ProfileIdForm,
                         ::testing::Values(IdCase{"plr000", true}, IdCase{"plr7", true},
                                           IdCase{"plr123456789", true}, IdCase{"", false},
                                           IdCase{"..", false}, IdCase{"plr", false},
                                           IdCase{"plr001/../..", false}, IdCase{"plr001/", false},
                                           IdCase{"plr-1", false}, IdCase{"PLR001", false},
                                           IdCase{" plr001", false}, IdCase{"plr00a", false},
                                           IdCase{"plr1234567890", false}, IdCase{"plr\\001", false}));

TEST(ProfileId, MakeProfileId_PadsToThreeDigitsAndGrowsBeyond)
{
    EXPECT_EQ(MakeProfileId(0), "plr000");
    EXPECT_EQ(MakeProfileId(7), "plr007");
    EXPECT_EQ(MakeProfileId(1234), "plr1234");
    EXPECT_TRUE(IsValidProfileId(MakeProfileId(kMaxProfileNumber)));
}

}  // namespace
