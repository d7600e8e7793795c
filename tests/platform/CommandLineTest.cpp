#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace vane {
namespace {

TEST(SplitCommandLine, FollowsTheWindowsRules) {
    struct Case {
        const char* line;
        std::vector<std::string> args;
    } const cases[] = {
        {"", {}},
        {"  gs  -q ", {"gs", "-q"}},
        {R"("/opt/gs 10/bin/gs" -dNOPAUSE)", {"/opt/gs 10/bin/gs", "-dNOPAUSE"}},
        {R"(a "b c" d)", {"a", "b c", "d"}},
        {R"(-sOutputFile="out dir/x.pdf")", {"-sOutputFile=out dir/x.pdf"}},
        {R"(a\\b)", {R"(a\\b)"}},
        {R"(a\"b)", {R"(a"b)"}},
        {R"(a\\"b c")", {R"(a\b c)"}},
        {R"(a\\\"b)", {R"(a\"b)"}},
        {R"("a""b")", {R"(a"b)"}},
        {R"("")", {""}},
        {"a\tb", {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(split_command_line(c.line), c.args);
    }
}

// Quoting then splitting the Windows way gives back each argument as it was.
TEST(QuoteCommandArgument, SplitsBackUnchanged) {
    const struct {
        const char* argument;
        const char* quoted;
    } cases[] = {
        {"C:\\My Docs\\a.pdf", "\"C:\\My Docs\\a.pdf\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"dir\\", "\"dir\\\\\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
        {"", "\"\""},
        {"it's 100%", "\"it's 100%\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(quote_command_argument(c.argument), c.quoted);
        const std::vector<std::string> back =
            split_command_line("prog " + quote_command_argument(c.argument) + " next");
        EXPECT_EQ(back, (std::vector<std::string>{"prog", c.argument, "next"}));
    }
}

// The office starts through "sh -c" with its script as one such argument.
TEST(QuoteCommandArgument, OfficeStartArgumentsSurviveTheSplit) {
    const std::string cases[] = {"plain",      "a b", "a\\\"b", "end\\", "-env:X=file:///tmp/a b",
                                 "x;y\\\\z\"", ""};
    for (const std::string& argument : cases) {
        SCOPED_TRACE(argument);
        const auto parts = split_command_line("prog " + quote_command_argument(argument) + " next");
        ASSERT_EQ(parts.size(), 3u);
        EXPECT_EQ(parts[1], argument);
        EXPECT_EQ(parts[2], "next");
    }
}

}  // namespace
}  // namespace vane
