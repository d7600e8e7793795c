#include "frame/TextUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


namespace vane {
namespace {

TEST(NormalizeSpaces, BufferForm) {
    struct Case {
        const char* input;
        const char* expected;
    } const cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"  abc", "abc"},
        {"a  b", "a b"},
        {"a\tb", "a b"},
        {"a\nb", "a b"},
        {"a\r\nb", "a b"},
        {"a\rb", "ab"},
        {"a \t\n b", "a b"},
        {"abc  ", "abc"},
        {"abc \r", "abc"},
        {"\t\n", ""},
        {" ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string buffer = c.input;
        normalize_spaces(buffer.data());
        EXPECT_STREQ(buffer.c_str(), c.expected);
    }
    normalize_spaces(static_cast<char*>(nullptr));  // a null text is left alone
}

TEST(NormalizeSpaces, StringForm) {
    struct Case {
        const char* input;
        bool removeAll;
        const char* expected;
    } const cases[] = {
        {"", false, ""},
        {"a\tb", false, "a b"},
        {"a\nb", false, "ab"},  // line breaks join the text up
        {"a\r\nb", false, "ab"},
        {"a    b", false, "a b"},
        {"  a  ", false, "a"},
        {"\ta b\t", false, "a b"},
        {"a b c", true, "abc"},
        {" Heading 1 ", true, "Heading1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(normalize_spaces(std::string(c.input), c.removeAll), c.expected);
    }
}

TEST(AppendUtf8, EncodesEachLengthAndRefusesWhatIsNoCharacter) {
    const struct {
        unsigned long code;
        std::string bytes;
    } cases[] = {
        {0x41, "A"},
        {0xE9, "\xC3\xA9"},
        {0x20AC, "\xE2\x82\xAC"},
        {0x1F600, "\xF0\x9F\x98\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0xD800, ""},
        {0xDFFF, ""},
        {0x110000, ""},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        append_utf8(out, c.code);
        EXPECT_EQ(out, "x" + c.bytes) << std::hex << c.code;
    }
}

TEST(ToUpper, ConvertsBytesInPlace) {
    std::string text = "_Toc123abc-Z\xE9";
    to_upper(text);
    EXPECT_EQ(text.substr(0, 12), "_TOC123ABC-Z");
    EXPECT_EQ(text.size(), 13u);
}

}  // namespace
}  // namespace vane
