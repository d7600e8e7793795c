// The language of the Win32 front-end: the "language" option sets the
// thread's user-interface language, any French variant picks the French
// texts, and the templates are loaded in the chosen language.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "DialogTemplate.h"
#include "ThreadLanguage.h"

namespace vane::test {
namespace {

class WinDeskLanguage : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GetThreadUILanguage(); }
    void TearDown() override {
        SetThreadUILanguage(saved_);
        catalog::set_current_language(catalog::Language::English);
    }
    LANGID saved_ = 0;
};

TEST_F(WinDeskLanguage, AnyFrenchVariantGivesTheFrenchTexts) {
    struct Case {
        int languageId;
        catalog::Language expected;
    };
    const Case cases[] = {
        {1036, catalog::Language::French},   // France
        {3084, catalog::Language::French},   // Canada
        {4108, catalog::Language::French},   // Switzerland
        {1033, catalog::Language::English},  // United States
        {2057, catalog::Language::English},  // United Kingdom
        {1031, catalog::Language::English},  // German: the English set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languageId);
        EXPECT_EQ(desk::language_for_ui(c.languageId), c.expected);
    }
}

TEST_F(WinDeskLanguage, TheOptionDecidesAndOtherValuesFollowTheThread) {
    const catalog::Language thread = desk::language_for_ui(GetThreadUILanguage());
    struct Case {
        const char* option;
        catalog::Language before;
        catalog::Language expected;
    };
    const Case cases[] = {
        {"FRENCH", catalog::Language::English, catalog::Language::French},
        {"ENGLISH", catalog::Language::French, catalog::Language::English},
        {"french", catalog::Language::French, thread},
        {"Francais", catalog::Language::French, thread},
        {"", catalog::Language::French, thread},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        catalog::set_current_language(c.before);
        EXPECT_EQ(desk::choose_thread_language(c.option), c.expected);
        EXPECT_EQ(catalog::current_language(), c.expected);
    }
}

TEST_F(WinDeskLanguage, TemplatesComeInTheAskedLanguageAndCanBeMadeHidden) {
    for (int id : {102, 129, 131, 132}) {
        SCOPED_TRACE(id);
        const std::vector<unsigned char> english = desk::load_dialog_template(id, catalog::Language::English);
        const std::vector<unsigned char> french = desk::load_dialog_template(id, catalog::Language::French);
        ASSERT_GT(english.size(), 26u);
        ASSERT_GT(french.size(), 26u);
        EXPECT_NE(english, french);
        DWORD style = 0;
        std::memcpy(&style, english.data() + 12, sizeof style);  // DLGTEMPLATEEX style
        const std::vector<unsigned char> hidden =
            desk::load_dialog_template(id, catalog::Language::English, true);
        DWORD hiddenStyle = 0;
        std::memcpy(&hiddenStyle, hidden.data() + 12, sizeof hiddenStyle);
        EXPECT_EQ(hiddenStyle, style & ~static_cast<DWORD>(WS_VISIBLE));
        EXPECT_TRUE(hiddenStyle & WS_CAPTION);
    }
    EXPECT_TRUE(desk::load_dialog_template(999, catalog::Language::English).empty());
}

}  // namespace
}  // namespace vane::test
