#include <gtest/gtest.h>

#include "ConversionRunner.h"
#include "RecordingCore.h"

namespace vane::desk {
namespace {

using Args = std::vector<std::string>;

struct VectorCase {
    const char* name;
    std::function<void(CSetting&)> change;
    Args d2h;
    Args d2p;
};

TEST(ConversionRunner, ArgumentVectorsFollowTheParameters) {
    const VectorCase cases[] = {
        {"defaults",
         [](CSetting&) {},
         {"d2h", "-v", "-e", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-k", "/d/r.doc"}},
        {"no home page",
         [](CSetting& s) { s.UseHome = false; },
         {"d2h", "-v", "-e", "-m", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-k", "/d/r.doc"}},
        {"no internal links",
         [](CSetting& s) { s.InternalLinks = false; },
         {"d2h", "-v", "-e", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-l", "-k", "/d/r.doc"}},
        {"no bookmark panel",
         [](CSetting& s) { s.OpenBookmarks = false; },
         {"d2h", "-v", "-e", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "/d/r.doc"}},
        {"links and panel off",
         [](CSetting& s) { s.InternalLinks = false, s.OpenBookmarks = false; },
         {"d2h", "-v", "-e", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-l", "/d/r.doc"}},
        {"every outline level in both, cross-references in the PDF",
         [](CSetting& s) { s.AllHeadingsHtml = true, s.AllHeadingsPdf = true, s.CrossReferences = true; },
         {"d2h", "-v", "-e", "-a", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-k", "-a", "-r", "/d/r.doc"}},
        {"cross-references alone",
         [](CSetting& s) { s.CrossReferences = true, s.InternalLinks = false; },
         {"d2h", "-v", "-e", "-p", "200", "-d", "6", "-k", "0", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "5", "-l", "-k", "-r", "/d/r.doc"}},
        {"numbers",
         [](CSetting& s) {
             s.IndexWidth = 1000, s.HeadingLevel = 0, s.SkipHeadings = 37, s.HeadingLevelPdf = 0;
         },
         {"d2h", "-v", "-e", "-p", "1000", "-d", "1", "-k", "37", "/d/r.doc"},
         {"d2p", "-v", "-p", "Folivane", "-d", "0", "-k", "/d/r.doc"}},
    };
    for (const VectorCase& c : cases) {
        SCOPED_TRACE(c.name);
        CSetting parameters;
        c.change(parameters);
        EXPECT_EQ(d2h_arguments(parameters, "/d/r.doc"), c.d2h);
        EXPECT_EQ(d2p_arguments(parameters, "/d/r.doc"), c.d2p);
    }
}

TEST(ConversionRunner, CallsTheExportWithACountedNullTerminatedVector) {
    test::RecordingCore core;
    const CoreFunctions functions = core.Functions();
    CSetting parameters;
    parameters.UseHome = false;
    run_conversion(functions, parameters, "/d/a b.docx", OutputKind::Html);
    ASSERT_EQ(core.calls, Args{"d2h"});
    EXPECT_EQ(core.arguments.size(), 11u);
    EXPECT_EQ(core.arguments.back(), "/d/a b.docx");
    EXPECT_TRUE(core.terminated);

    run_conversion(functions, parameters, "/d/a b.docx", OutputKind::Pdf);
    EXPECT_EQ(core.calls.back(), "d2p");
    EXPECT_EQ(core.arguments.size(), 8u);
    EXPECT_TRUE(core.terminated);
}

TEST(ConversionRunner, EmptyPathCallsNothing) {
    test::RecordingCore core;
    run_conversion(core.Functions(), CSetting(), "", OutputKind::Pdf);
    EXPECT_TRUE(core.calls.empty());
}

}  // namespace
}  // namespace vane::desk
