#include <gtest/gtest.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "MessageCatalog.h"
#include "OutputCallbacks.h"
#include "vanecore/vanecore.h"

namespace vane::desk {
namespace {

std::string format(const char* text, ...) {
    va_list args;
    va_start(args, text);
    std::string result = format_output(text, args);
    va_end(args);
    return result;
}

void call(OutputCallback callback, const char* text, ...) {
    va_list args;
    va_start(args, text);
    callback(text, args);
    va_end(args);
}

class OutputCallbacksTest : public ::testing::Test {
protected:
    void TearDown() override {
        set_log_pane(nullptr);
        set_message_box(nullptr);
        catalog::set_current_language(catalog::Language::English);
    }
};

TEST_F(OutputCallbacksTest, FormatsWithArguments) {
    EXPECT_EQ(format("\r\nBookmark %d: Toc=%s", 3, "Intro"), "\r\nBookmark 3: Toc=Intro");
    EXPECT_EQ(format("%f", 1.5), "1.500000");
    EXPECT_EQ(format(""), "");
}

TEST_F(OutputCallbacksTest, CatalogueReferences) {
    struct Case {
        const char* format;
        catalog::Language language;
        std::string expected;
    } const cases[] = {
        {"::124", catalog::Language::English, catalog::text(124, catalog::Language::English)},
        {"::124", catalog::Language::French, catalog::text(124, catalog::Language::French)},
        {"::131", catalog::Language::English, "\r\nDoc file: report.doc"},
        {"::131 and text after the digits", catalog::Language::English, "\r\nDoc file: report.doc"},
        {"::999", catalog::Language::English, ""},
        {"::", catalog::Language::English, ""},
        {"::99999999999999999999", catalog::Language::English, ""},
        {":124", catalog::Language::English, ":124"},
        {"x::124", catalog::Language::English, "x::124"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        catalog::set_current_language(c.language);
        EXPECT_EQ(format(c.format, "report.doc"), c.expected);
    }
}

TEST_F(OutputCallbacksTest, CutsAt2047Bytes) {
    const std::string longText(5000, 'a');
    EXPECT_EQ(format("%s", longText.c_str()), std::string(2047, 'a'));
    EXPECT_EQ(format("%s", std::string(2047, 'b').c_str()), std::string(2047, 'b'));
    // A cut never leaves half of a multi-byte character.
    const std::string accented = std::string(2046, 'c') + "\xC3\xA9" + "tail";
    EXPECT_EQ(format("%s", accented.c_str()), std::string(2046, 'c'));
    const std::string euro = std::string(2045, 'd') + "\xE2\x82\xAC";
    EXPECT_EQ(format("%s", euro.c_str()), std::string(2045, 'd'));
    const std::string whole = std::string(2045, 'e') + "\xC3\xA9";
    EXPECT_EQ(format("%s", whole.c_str()), whole);
}

TEST_F(OutputCallbacksTest, LogVariantNeedsAPane) {
    call(log_output, "%s", "nowhere");  // no pane: nothing happens
    std::vector<std::string> pane;
    set_log_pane([&](const std::string& text) { pane.push_back(text); });
    call(log_output, "::129", 4);
    call(log_output, "\r\nplain %d", 7);
    EXPECT_EQ(pane, (std::vector<std::string>{"\r\nHeading level: 4", "\r\nplain 7"}));
}

TEST_F(OutputCallbacksTest, MessageBoxVariantShowsEachText) {
    std::vector<std::string> boxes;
    set_message_box([&](const std::string& text) { boxes.push_back(text); });
    call(message_box_output, "::116", "Folivane", "no driver");
    EXPECT_EQ(boxes, (std::vector<std::string>{"\r\nCannot install printer Folivane, no driver"}));
}

}  // namespace
}  // namespace vane::desk
