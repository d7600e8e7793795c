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

}  // namespace
}  // namespace vane
