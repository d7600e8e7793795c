// The d2h word phase's names, option and run flags cross into the office as
// texts: what is read there is what was handed over.
#include <gtest/gtest.h>

#include <ostream>

#include "frame/LibraryState.h"
#include "html/D2hWordPhase.h"

namespace vane {
namespace {

struct Case {
    const char* name;
    bool allHeadings;
    bool verbose;
    bool silent;
    bool visible;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class D2hPhaseArguments : public ::testing::TestWithParam<Case> {
protected:
    void TearDown() override {
        state().verbose = false;
        state().silent = false;
        state().wordVisible = false;
    }
};

TEST_P(D2hPhaseArguments, ReadBackAsHandedOver) {
    const Case& c = GetParam();
    D2hNames names;
    names.document = "/home/u/My (1) report.docx";
    names.outputDirectory = "/out/site r\xc3\xa9sum\xc3\xa9";
    names.baseName = "My (1) report";
    names.workingCopy = "/home/u/My (1) report_fv.docx";
    names.sitePage = names.outputDirectory + "/My (1) report.html";
    names.fullHtml = names.outputDirectory + "/My (1) report_full.html";
    state().verbose = c.verbose;
    state().silent = c.silent;
    state().wordVisible = c.visible;
    const auto arguments = d2h_phase_arguments(names, c.allHeadings);

    // The office side starts from its own defaults and flags.
    TearDown();
    D2hNames read;
    bool allHeadings = !c.allHeadings;
    read_d2h_phase_arguments(arguments, read, allHeadings);
    EXPECT_EQ(read.document, names.document);
    EXPECT_EQ(read.outputDirectory, names.outputDirectory);
    EXPECT_EQ(read.baseName, names.baseName);
    EXPECT_EQ(read.workingCopy, names.workingCopy);
    EXPECT_EQ(read.sitePage, names.sitePage);
    EXPECT_EQ(read.fullHtml, names.fullHtml);
    EXPECT_EQ(allHeadings, c.allHeadings);
    EXPECT_EQ(state().verbose, c.verbose);
    EXPECT_EQ(state().silent, c.silent);
    EXPECT_EQ(state().wordVisible, c.visible);
}

INSTANTIATE_TEST_SUITE_P(Flags, D2hPhaseArguments,
                         ::testing::Values(Case{"plain", false, false, false, false},
                                           Case{"all_headings_verbose", true, true, false, false},
                                           Case{"silent_visible", false, false, true, true},
                                           Case{"everything", true, true, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vane
