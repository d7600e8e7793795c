#include "frame/CommandWrapper.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "TestHost.h"

namespace vane {
namespace {

TEST(CommandWrapper, TurnsResultsIntoClosingMessages) {
    struct Case {
        int result;
        int message;
    } const cases[] = {{0, 124}, {-4, 125}, {-15, 125}, {3, 125}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        test::TestHost host;
        EXPECT_EQ(run_command([&] { return c.result; }), c.result);
        EXPECT_EQ(host.output(), test::TestHost::text(c.message));
    }
}

TEST(CommandWrapper, AnEscapingExceptionGivesMinusOne) {
    test::TestHost host;
    EXPECT_EQ(run_command([]() -> int { throw std::runtime_error("boom"); }), -1);
    EXPECT_EQ(host.output(), test::TestHost::text(125));
    EXPECT_EQ(run_command([]() -> int { throw 42; }), -1);
}

}  // namespace
}  // namespace vane
