#include <gtest/gtest.h>

#include <string>

#include "OpenFake.h"
#include "TempDir.h"

namespace vane::test {
namespace {

using namespace vane::word;

TEST(WordBackendDefault, NoWordProcessorUntilOneIsInstalled) {
    // The platform's backend finds no office module beside this test program:
    // creating an application fails with a description, as a missing word
    // processor does.
    try {
        word_backend().createApplication();
        FAIL() << "the default backend started something";
    } catch (const WordError& e) {
        EXPECT_STRNE(e.what(), "");
    }
    {
        FakeWord fake;
        EXPECT_EQ(&word_backend(), &fake);
        EXPECT_NE(word_backend().createApplication(), nullptr);
    }
    EXPECT_THROW(word_backend().createApplication(), WordError);
}

TEST(FakeApplication, StartupFaults) {
    struct Case {
        const char* name;
        void (*arrange)(FakeWord&);
        bool createThrows;
        bool documentsNull;
        bool openThrows;
        bool openNull;
    };
    const Case cases[] = {
        {"normal", [](FakeWord&) {}, false, false, false, false},
        {"cannot start", [](FakeWord& f) { f.failCreate = true; }, true, false, false, false},
        {"no document collection", [](FakeWord& f) { f.noDocumentCollection = true; }, false, true, false,
         false},
        {"open refused", [](FakeWord& f) { f.failOn("Documents.Open"); }, false, false, true, false},
        {"unknown path", [](FakeWord& f) { f.onlyKnownPaths = true; }, false, false, true, false},
        {"no document back", [](FakeWord& f) { f.openReturnsNothing = true; }, false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWord fake;
        c.arrange(fake);
        if (c.createThrows) {
            EXPECT_THROW(word_backend().createApplication(), WordError);
            EXPECT_EQ(fake.applicationsCreated, 0);
            continue;
        }
        auto app = word_backend().createApplication();
        auto docs = app->documents();
        EXPECT_EQ(docs == nullptr, c.documentsNull);
        if (docs == nullptr) continue;
        if (c.openThrows) {
            EXPECT_THROW(docs->open("/x/a.doc", {}), WordError);
            continue;
        }
        auto doc = docs->open("/x/a.doc", {});
        EXPECT_EQ(doc == nullptr, c.openNull);
        EXPECT_TRUE(fake.called("Documents.Open /x/a.doc"));
    }
}

TEST(FakeApplication, DocumentsByPath) {
    FakeWord fake;
    fake.document().title = "default";
    fake.document("/x/b.doc").title = "b";
    auto app = word_backend().createApplication();
    auto b = app->documents()->open("/x/b.doc", {});
    auto other = app->documents()->open("/x/c.doc", {});
    EXPECT_EQ(b->builtInDocumentProperties()->value("Title"), "b");
    EXPECT_EQ(other->builtInDocumentProperties()->value("Title"), "default");
    EXPECT_EQ(other->builtInDocumentProperties()->value("Author"), "");
    EXPECT_THROW(other->builtInDocumentProperties()->value("No such"), WordError);
}

TEST(FakeApplication, QuitAndCloseDisconnectTheirObjects) {
    FakeWord fake;
    write_sample(fake.document());
    OpenFake w;
    auto range = w.sel->range();
    w.doc->activate();
    w.doc->close(false);
    EXPECT_TRUE(fake.called("Document.Close nosave"));
    EXPECT_FALSE(fake.called("Document.Close save"));
    EXPECT_THROW(range->text(), WordError);
    EXPECT_THROW(w.doc->fields(), WordError);
    EXPECT_THROW(w.sel->start(), WordError);
    w.app->quit();
    EXPECT_TRUE(fake.called("Application.Quit"));
    EXPECT_THROW(w.app->version(), WordError);
    EXPECT_THROW(w.app->documents(), WordError);
}

TEST(FakeApplication, ActivePrinterSwitchAndRestore) {
    FakeWord fake;
    fake.activePrinter = "Office printer";
    fake.printers = {"Office printer", "Folivane"};
    write_sample(fake.document());
    OpenFake w;
    std::string saved = w.app->activePrinter();
    w.app->setActivePrinter("Folivane");
    EXPECT_THROW(w.app->setActivePrinter("Nowhere"), WordError);
    TempDir dir;
    std::string ps = dir.path() + "/out.ps";
    w.doc->printOut({.outputFileName = ps});
    EXPECT_EQ(fake.printedWith, "Folivane");
    w.app->setActivePrinter(saved);
    EXPECT_EQ(fake.activePrinter, "Office printer");
    EXPECT_TRUE(fake.called("Application.ActivePrinter Folivane"));
    std::string printed = read_file(ps);
    EXPECT_EQ(printed.rfind("%!PS", 0), 0u);
    EXPECT_NE(printed.find("%%Pages: 3"), std::string::npos);
}

TEST(FakeApplication, SaveAsAndPrintWriteTheTestsFiles) {
    FakeWord fake;
    fake.document().html = "<html>fake</html>\r\n";
    fake.document().postScript = "%!PS given\n";
    OpenFake w;
    TempDir dir;
    w.doc->saveAs(dir.path() + "/a.html", kFormatFilteredHtml, true);
    EXPECT_EQ(read_file(dir.path() + "/a.html"), "<html>fake</html>\r\n");
    EXPECT_THROW(w.doc->saveAs(dir.path() + "/a.doc", 0, true), WordError);
    w.doc->printOut({.outputFileName = dir.path() + "/p.ps"});
    EXPECT_EQ(read_file(dir.path() + "/p.ps"), "%!PS given\n");
    EXPECT_THROW(w.doc->saveAs(dir.path() + "/missing/dir/a.html", kFormatFilteredHtml, true), WordError);
}

TEST(FakeApplication, FailOnAfterSkippedCallsCarriesTheDescription) {
    FakeWord fake;
    write_sample(fake.document());
    fake.failOn("Range.Start", 2, "the word processor is busy");
    OpenFake w;
    auto r = w.sel->range();
    EXPECT_EQ(r->start(), 0);
    EXPECT_EQ(r->start(), 0);
    try {
        r->start();
        FAIL() << "third call did not fail";
    } catch (const WordError& e) {
        EXPECT_STREQ(e.what(), "the word processor is busy");
    }
    EXPECT_EQ(fake.callCount("Range.Start"), 3);
}

TEST(FakeApplication, UnprotectOnlyAProtectedDocument) {
    FakeWord fake;
    OpenFake w;
    EXPECT_THROW(w.doc->unprotect(""), WordError);
    fake.document().isProtected = true;
    fake.document().password = "pw";
    EXPECT_THROW(w.doc->unprotect(""), WordError);
    w.doc->unprotect("pw");
    EXPECT_FALSE(fake.document().isProtected);
    fake.document().hasRevisions = true;
    w.doc->acceptAllRevisions();
    EXPECT_FALSE(fake.document().hasRevisions);
}

TEST(FakeApplication, VisibilityAndVersion) {
    FakeWord fake;
    fake.version = "7.4.7";
    auto app = word_backend().createApplication();
    EXPECT_FALSE(fake.visible);
    app->setVisible(true);
    EXPECT_TRUE(fake.visible);
    EXPECT_TRUE(fake.called("Application.Visible true"));
    EXPECT_EQ(app->version(), "7.4.7");
    EXPECT_THROW(app->selection(), WordError);  // no document open yet
}

}  // namespace
}  // namespace vane::test
