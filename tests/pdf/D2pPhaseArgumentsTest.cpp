// The d2p word phase's names, settings and run flags cross into the office
// as texts: what is read there is what was handed over.
#include <gtest/gtest.h>

#include <ostream>

#include "frame/LibraryState.h"
#include "pdf/D2pWordPhase.h"

namespace vane {
namespace {

struct Case {
    const char* name;
    D2pSettings settings;
    bool verbose;
    bool silent;
    bool visible;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class D2pPhaseArguments : public ::testing::TestWithParam<Case> {
protected:
    void TearDown() override {
        state().verbose = false;
        state().silent = false;
        state().wordVisible = false;
    }
};

TEST_P(D2pPhaseArguments, ReadBackAsHandedOver) {
    const Case& c = GetParam();
    D2pNames names;
    names.document = "/home/u/My (1) report.docx";
    names.workingCopy = "/home/u/My (1) report_fv.docx";
    names.pdf = "/out/r\xc3\xa9sum\xc3\xa9.pdf";
    names.markFile = "/out/r\xc3\xa9sum\xc3\xa9.pdf.ps_2.ps";
    names.job = c.settings.links ? "" : "/jobs/a b.joboptions";
    names.printedPdf = "/tmp/run (2)/vane-printed-7.pdf";
    state().verbose = c.verbose;
    state().silent = c.silent;
    state().wordVisible = c.visible;
    const auto arguments = d2p_phase_arguments(names, c.settings);

    // The office side starts from its own defaults and flags.
    TearDown();
    D2pNames read;
    D2pSettings settings;
    read_d2p_phase_arguments(arguments, read, settings);
    EXPECT_EQ(read.document, names.document);
    EXPECT_EQ(read.workingCopy, names.workingCopy);
    EXPECT_EQ(read.pdf, names.pdf);
    EXPECT_EQ(read.markFile, names.markFile);
    EXPECT_EQ(read.job, names.job);
    EXPECT_EQ(read.printedPdf, names.printedPdf);
    EXPECT_EQ(settings.printer, c.settings.printer);
    EXPECT_EQ(settings.maxLevel, c.settings.maxLevel);
    EXPECT_EQ(settings.links, c.settings.links);
    EXPECT_EQ(settings.allHeadings, c.settings.allHeadings);
    EXPECT_EQ(settings.crossReferences, c.settings.crossReferences);
    EXPECT_EQ(state().verbose, c.verbose);
    EXPECT_EQ(state().silent, c.silent);
    EXPECT_EQ(state().wordVisible, c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, D2pPhaseArguments,
    ::testing::Values(
        Case{"defaults", {"Folivane", 6, true, false, false}, false, false, false},
        Case{"no_outline_no_links", {"PS queue", 0, false, false, false}, true, false, false},
        Case{"all_headings_cross_references", {"Folivane", 3, true, true, true}, false, true, true},
        Case{"verbose_and_visible", {"", 1, false, true, false}, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vane
