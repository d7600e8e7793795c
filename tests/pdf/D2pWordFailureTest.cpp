#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "D2pFixture.h"

namespace vane {
namespace {

struct FailureCase {
    const char* name;
    std::function<void(test::FakeWord&)> arrange;
    int result;
    std::string message;   // printed text expected
    bool started;          // the word processor was started
    bool printerRestored;  // the previous printer is active again at the end
};

class D2pWordFailureTest : public test::D2pFixture {};

// Every failure of the word-processor phase: its result and message, the word
// processor quit, the printer restored, and nothing of the run left behind.
TEST_F(D2pWordFailureTest, EachStepFailsCleanly) {
    auto text = [](int id) { return test::TestHost::text(id); };
    const FailureCase cases[] = {
        {"cannot start", [](test::FakeWord& w) { w.failCreate = true; }, -7, text(138), false, true},
        {"no document collection", [](test::FakeWord& w) { w.noDocumentCollection = true; }, -7, text(138),
         true, true},
        {"no document back", [](test::FakeWord& w) { w.openReturnsNothing = true; }, -8, text(143), true,
         true},
        {"open refused", [](test::FakeWord& w) { w.failOn("Documents.Open", 0, "file is corrupt"); }, -8,
         "Error processing document, file is corrupt", true, true},
        {"revisions", [](test::FakeWord& w) { w.failOn("Document.AcceptAllRevisions", 0, "busy"); }, -8,
         "Error processing document, busy", true, true},
        {"printer refused", [](test::FakeWord& w) { w.printers = {"Default Printer"}; }, -8,
         "Error processing document, ", true, true},
        {"activate", [](test::FakeWord& w) { w.failOn("Document.Activate"); }, -8,
         "Error processing document, fake failure", true, true},
        {"page view", [](test::FakeWord& w) { w.failOn("View.Type"); }, -8,
         "Error processing document, fake failure", true, true},
        {"page setup unreadable", [](test::FakeWord& w) { w.failOn("PageSetup.Orientation"); }, -8, text(149),
         true, true},
        {"page walk", [](test::FakeWord& w) { w.failOn("Document.Repaginate"); }, -8,
         "Error processing document, fake failure", true, true},
        {"hyperlinks", [](test::FakeWord& w) { w.failOn("Document.Hyperlinks"); }, -8,
         "Error processing document, fake failure", true, true},
        {"print", [](test::FakeWord& w) { w.failOn("Document.PrintOut", 0, "out of paper"); }, -8,
         "Error processing document, out of paper", true, true},
        {"close", [](test::FakeWord& w) { w.failOn("Document.Close"); }, -8,
         "Error processing document, fake failure", true, true},
        {"restoring the printer",
         [](test::FakeWord& w) { w.failOn("Application.ActivePrinter Default Printer"); }, -7, text(138),
         true, false},
        {"quit", [](test::FakeWord& w) { w.failOn("Application.Quit"); }, -7, text(138), true, true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeWord fresh;  // replaces the fixture's word processor for this case
        fresh.printers = {"Folivane", "Default Printer"};
        fresh.document().page();
        fresh.document().paragraph("Heading 1").line("Introduction", 100);
        fresh.document().hyperlinkOn("Introduction", "http://example.org");
        c.arrange(fresh);

        EXPECT_EQ(run(), c.result) << host.output();
        EXPECT_TRUE(printed(c.message)) << host.output();
        EXPECT_TRUE(host.printed(125));
        EXPECT_EQ(fresh.applicationsCreated, c.started ? 1 : 0);
        if (c.started) {
            EXPECT_TRUE(fresh.called("Application.Quit"));
        }
        if (c.started && c.printerRestored) {
            EXPECT_EQ(fresh.activePrinter, "Default Printer");
        }
        EXPECT_TRUE(env.starts.empty());
        EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
    }
}

// A print that wrote no file must not turn into a PDF of marks alone.
TEST_F(D2pWordFailureTest, PrintThatWroteNothing) {
    const std::string output = tmp.file("no such folder/manual.pdf");
    env.markFile = output + ".ps_2.ps";
    EXPECT_EQ(run({"-o", output}), -8);
    EXPECT_TRUE(word.called("Document.PrintOut " + output));
    EXPECT_TRUE(host.printed(164));
    EXPECT_TRUE(env.starts.empty());
    EXPECT_TRUE(word.called("Application.Quit"));
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

// After an unreadable page setup the document is closed unsaved and the word
// processor quit before the message, and the phase's closing steps are not repeated.
TEST_F(D2pWordFailureTest, UnreadableInformationEndsTheRun) {
    word.failOn("PageSetup.Orientation");
    EXPECT_EQ(run({"-v"}), -8);
    EXPECT_TRUE(word.called("Document.Close nosave"));
    EXPECT_EQ(word.callCount("Application.Quit"), 1);
    EXPECT_FALSE(host.printed(165));
    EXPECT_FALSE(word.called("Document.PrintOut"));
    EXPECT_LT(host.output().find(test::TestHost::text(148)), host.output().find(test::TestHost::text(149)));
}

}  // namespace
}  // namespace vane
