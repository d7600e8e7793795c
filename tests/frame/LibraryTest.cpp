// The frame's exports as a host sees them.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "frame/LibraryState.h"
#include "frame/RunFlags.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

TEST(Library, DisplayInfoPrintsTheBanner) {
    test::TestHost host;
    char name[] = "display_info";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(display_info(1, argv), 0);
    const std::string& out = host.output();
    EXPECT_TRUE(out.starts_with("Folivane utility version 2.08\r\n")) << out;
    EXPECT_TRUE(out.ends_with(" Folivane")) << out;
}

TEST(Library, DisplayInfoInFrench) {
    test::TestHost host(catalog::Language::French);
    EXPECT_EQ(display_info(0, nullptr), 0);
    EXPECT_NE(host.output().find("Folivane utility"), std::string::npos);
    EXPECT_NE(host.output().find("2.08"), std::string::npos);
    EXPECT_EQ(host.output().find(" version "), std::string::npos) << host.output();
}

TEST(Library, InitLibReadsTheProcessorAndMarksTheRuntimeReady) {
    test::TestHost host;
    EXPECT_TRUE(state().comReady);
    EXPECT_STREQ(state().product, "Folivane");
#if defined(__x86_64__)
    EXPECT_TRUE(state().amd64Host);
#endif
    EXPECT_FALSE(state().amd64Host && state().ia64Host);
}

TEST(Library, RunFlags) {
    struct Case {
        std::vector<std::string> args;
        bool verbose, silent, visible;
    } const cases[] = {
        {{"d2h"}, false, false, false},
        {{"d2h", "-v"}, true, false, false},
        {{"d2h", "-s"}, false, true, false},
        {{"d2h", "-s", "-v"}, true, false, false},
        {{"d2h", "-w", "doc"}, false, false, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> copy = c.args;
        std::vector<char*> argv;
        for (std::string& s : copy) argv.push_back(s.data());
        read_run_flags(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(state().verbose, c.verbose);
        EXPECT_EQ(state().silent, c.silent);
        EXPECT_EQ(state().wordVisible, c.visible);
    }
}

}  // namespace
}  // namespace vane
