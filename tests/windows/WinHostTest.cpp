// vane.exe with vanecore.dll: the program loads the library and runs its
// exports. Re-splitting a kept export (d2h -z) needs no word processor, so a
// whole HTML site is published for real with Windows paths; d2h of a document
// ends where Word cannot be started.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "HelperProgram.h"
#include "TempDir.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {
namespace {

namespace fs = std::filesystem;

std::string vane_program() {
    std::string helper = test::helper_program();
    return helper.substr(0, helper.find_last_of('\\') + 1) + "vane.exe";
}

int run_vane(const std::string& arguments, const std::string& workingDirectory) {
    auto child = env().startProcess("\"" + vane_program() + "\" " + arguments, workingDirectory);
    if (!child) return -1000;
    return wait_for_exit(*child, PollSchedule{10, 0, 0});
}

class WinHost : public ::testing::Test {
protected:
    WinHost() {
        fs::create_directories(folder + "\\Guide");
        test::write_text(document, "not read in reuse mode");
        test::write_text(folder + "\\Guide\\Guide_full.html",
                         test::read_file(std::string(std::getenv("VANE_SOURCE_DIR")) +
                                         "/tests/data/html/d2h/manual_full.html"));
    }
    void expectSite(const std::string& site) const {
        for (const char* name :
             {"Guide.html", "index.html", "Guide.htm", "Guide_0.html", "Guide_1.html", "Guide_index.html",
              "dtree.js", "dtree.css", "img\\folder.gif", "Guide_full.html"}) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(fs::is_regular_file(site + "\\" + name));
        }
        EXPECT_EQ(test::read_file(site + "\\index.html"), test::read_file(site + "\\Guide.html"));
        EXPECT_NE(test::read_file(site + "\\Guide.html").find("src=\"Guide_0.html\""), std::string::npos);
        EXPECT_EQ(test::read_file(document), "not read in reuse mode");
    }

    test::TempDir tmp;
    std::string folder = fs::path(tmp.path()).make_preferred().string() + "\\Out Dir";
    std::string document = folder + "\\Guide.docx";
};

TEST_F(WinHost, ReuseModePublishesTheSiteWithAnOutputOption) {
    EXPECT_EQ(run_vane("d2h -s -z -o \"" + folder + "\\Guide\" \"" + document + "\"", ""), 0);
    expectSite(folder + "\\Guide");
}

TEST_F(WinHost, ReuseModeWithARelativeDocumentAndTheDefaultOutput) {
    EXPECT_EQ(run_vane("d2h -z \"Guide.docx\"", folder), 0);
    expectSite(folder + "\\Guide");
}

// A "/" given by the user works like a backslash, in the document path and in -o.
TEST_F(WinHost, SlashesInThePathsWorkLikeBackslashes) {
    std::string slashed = folder;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    EXPECT_EQ(run_vane("d2h -s -z -o \"" + slashed + "/Guide/\" \"" + slashed + "/Guide.docx\"", ""), 0);
    expectSite(folder + "\\Guide");
}

// A relative document path with a folder in it is taken from the current
// directory, and so is the default output directory beside it.
TEST_F(WinHost, RelativeDocumentPathWithAFolder) {
    const std::string parent = fs::path(tmp.path()).make_preferred().string();
    EXPECT_EQ(run_vane("d2h -s -z \"Out Dir/Guide.docx\"", parent), 0);
    expectSite(folder + "\\Guide");
}

TEST_F(WinHost, ConversionEndsWhenWordCannotBeStarted) {
    // Exit status 1: the export returned non-zero (word processor not startable).
    EXPECT_EQ(run_vane("d2h -s \"" + document + "\"", ""), 1);
    EXPECT_FALSE(fs::exists(folder + "\\Guide.docx.doc"));
    EXPECT_EQ(test::read_file(document), "not read in reuse mode");
}

TEST_F(WinHost, ChecksAndBannerRun) {
    EXPECT_EQ(run_vane("display_info", ""), 0);
    EXPECT_EQ(run_vane("check_winword", ""), 0);
    EXPECT_EQ(run_vane("check_distiller", ""), 1);
}

}  // namespace
}  // namespace vane
