// Executable path and the user's language.
#include "port/window/system_info.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/port/window/offscreen_video.h"

namespace {

struct LocaleRow {
    const char* locale;
    const char* language;
};

class LanguageFromLocaleTable : public testing::TestWithParam<LocaleRow> {};

TEST_P(LanguageFromLocaleTable, GivesLanguage)
{
    EXPECT_EQ(port::LanguageFromLocale(GetParam().locale), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageFromLocaleTable,
    testing::Values(LocaleRow{"de_DE.UTF-8", "de"}, LocaleRow{"fr_FR", "fr"},
                    LocaleRow{"ja_JP.eucJP", "ja"}, LocaleRow{"pt_BR.UTF-8@euro", "pt"},
                    LocaleRow{"sr@latin", "sr"}, LocaleRow{"ru", "ru"},
                    LocaleRow{"en-US", "en"}, LocaleRow{"EN_gb", "en"},
                    LocaleRow{"fil_PH", "fil"}, LocaleRow{"C", "en"},
                    LocaleRow{"C.UTF-8", "en"}, LocaleRow{"POSIX", "en"}, LocaleRow{"", "en"},
                    LocaleRow{"_DE", "en"}, LocaleRow{"../../etc", "en"},
                    LocaleRow{"de/../x_DE", "en"}, LocaleRow{"abcdefghij_XY", "en"},
                    LocaleRow{"d3_DE", "en"}));

struct EnvironmentRow {
    const char* all;
    const char* messages;
    const char* lang;
    const char* language;
};

class UserLanguageTable : public testing::TestWithParam<EnvironmentRow> {};

TEST_P(UserLanguageTable, FirstSetVariableWins)
{
    test::ScopedEnvironment all("LC_ALL", GetParam().all);
    test::ScopedEnvironment messages("LC_MESSAGES", GetParam().messages);
    test::ScopedEnvironment lang("LANG", GetParam().lang);
    EXPECT_EQ(port::UserLanguage(), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, UserLanguageTable,
    testing::Values(EnvironmentRow{"de_DE.UTF-8", "fr_FR", "it_IT", "de"},
                    EnvironmentRow{nullptr, "fr_FR", "it_IT", "fr"},
                    EnvironmentRow{"", "", "it_IT", "it"},
                    EnvironmentRow{nullptr, nullptr, nullptr, "en"},
                    EnvironmentRow{"C", "fr_FR", "it_IT", "en"}));

TEST(SystemInfo, ExecutablePath_NamesThisTestProgram)
{
    const std::string path = port::ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::path(path).filename(), "test_port");
    EXPECT_EQ(port::ExecutableFolder(), std::filesystem::path(path).parent_path().string());
}

}  // namespace
