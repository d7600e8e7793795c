#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "D2hTestEnv.h"
#include "FaultEnv.h"
#include "Golden.h"
#include "TempDir.h"
#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_text;

const std::string kDocumentBytes = std::string("DOC\0\x01\x02 user's document\r\n", 27);

// Every file below `directory`, as paths relative to it ("img/page.gif").
std::set<std::string> files_in(const std::string& directory) {
    std::set<std::string> names;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(directory, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file()) names.insert(fs::relative(it->path(), directory).string());
    }
    return names;
}

// The files of a complete site for `base` with pages 0..lastPage.
std::set<std::string> site_files(const std::string& base, int lastPage) {
    std::set<std::string> names = {base + ".html",       "index.html",   base + ".htm",
                                   base + "_index.html", base + ".css",  "dtree.js",
                                   "dtree.css",          "previous.png", "next.png"};
    for (int i = 0; i <= lastPage; ++i) names.insert(base + "_" + std::to_string(i) + ".html");
    for (const char* icon :
         {"base",         "cd",         "empty", "folder",     "folderopen",  "globe",       "imgfolder",
          "join",         "joinbottom", "line",  "minus",      "minusbottom", "musicfolder", "nolines_minus",
          "nolines_plus", "page",       "plus",  "plusbottom", "question",    "trash"})
        names.insert(std::string("img/") + icon + ".gif");
    return names;
}

class D2hCommandTest : public ::testing::Test {
protected:
    D2hCommandTest() {
        env.cwd = tmp.path();
        fs::create_directories(tmp.file("docs"));
        document = tmp.file("docs/manual.docx");
        write_text(document, kDocumentBytes);
        word.document().html = read_file(test::golden_path("d2h/manual_full.html"));
        word.document().title = "Manual";
        word.document().page().paragraph().line("Introduction", 72);
    }

    int run(const std::vector<std::string>& args) {
        std::vector<std::string> all = {"d2h"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        host.clear();
        return d2h(static_cast<int>(all.size()), argv.data());
    }
    bool printed(const std::string& text) const { return host.output().find(text) != std::string::npos; }
    std::string out(const std::string& name) const { return tmp.file("docs/manual/" + name); }

    test::TempDir tmp;
    test::TestHost host;
    test::D2hTestEnv env;
    test::FakeWord word;
    std::string document;
};

TEST_F(D2hCommandTest, FullRunPublishesTheWholeSite) {
    ASSERT_EQ(run({document}), 0) << host.output();
    EXPECT_EQ(files_in(tmp.file("docs/manual")), site_files("manual", 3));
    test::expect_golden(read_file(out("manual.html")), test::golden_path("d2h/frameset_manual.html"));
    EXPECT_EQ(read_file(out("index.html")), read_file(out("manual.html")));
    EXPECT_EQ(read_file(out("manual.htm")), read_file(out("manual.html")));
    // Pages are cut at the headings, with the document's title on page 0.
    EXPECT_NE(read_file(out("manual_1.html")).find("Introduction"), std::string::npos);
    EXPECT_NE(read_file(out("manual_3.html")).find("Usage"), std::string::npos);
    EXPECT_NE(read_file(out("manual_index.html")).find("d.add(0,-1,'Manual','manual_0.html'"),
              std::string::npos);
    EXPECT_EQ(read_file(document), kDocumentBytes);
    EXPECT_TRUE(printed("\r\nProcess terminated successfully"));
    // The working copy went through the word processor, which was closed.
    EXPECT_TRUE(word.called("Documents.Open " + out("manual.doc")));
    EXPECT_TRUE(word.called("Application.Visible false"));
    EXPECT_TRUE(word.called("View.Type 3"));
    EXPECT_TRUE(word.called("Document.SaveAs " + out("manual.html") + " 10"));
    EXPECT_TRUE(word.called("Document.Close nosave"));
    EXPECT_EQ(word.callCount("Application.Quit"), 1);
    // Only the filter's polling slept, never the wait after a failure.
    EXPECT_EQ(std::count(env.sleeps.begin(), env.sleeps.end(), 5000), 0);
}

TEST_F(D2hCommandTest, MessagesFollowTheFlags) {
    struct Case {
        std::vector<std::string> flags;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
    } const cases[] = {
        {{},
         {"version 2.08", "\r\nOpening document...", "\r\nSaving document as html...",
          "\r\nFiltering document...", "\r\nSplitting document...", "\r\nBuilding index..."},
         {"\r\nHeading level: 3", "\r\nStart MS WinWord", "\r\nClosing MS WinWord"}},
        {{"-v", "-w"},
         {"\r\nHeading level: 3", "\r\nDoc file: ", "\r\nOutput directory: ", "\r\nStart MS WinWord",
          "\r\nOpen document", "\r\nRemove revison marks", "\r\nSet page mode view",
          "\r\nInitialize document", "\r\nClosing document", "\r\nClosing MS WinWord",
          "\r\nGet page positions", "\r\nSplitting document..."},
         {}},
        {{"-s"},
         {"\r\nProcess terminated successfully"},
         {"version 2.08", "\r\nOpening document...", "\r\nSplitting document...", "\r\nHeading level"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.flags;
        args.push_back(document);
        SCOPED_TRACE(args.front());
        ASSERT_EQ(run(args), 0) << host.output();
        for (const char* text : c.shown) EXPECT_TRUE(printed(text)) << text << "\n" << host.output();
        for (const char* text : c.hidden) EXPECT_FALSE(printed(text)) << text << "\n" << host.output();
        if (args.front() == "-v") {
            EXPECT_TRUE(printed("\r\nDoc file: " + document));
            EXPECT_TRUE(printed("\r\nOutput directory: " + tmp.file("docs/manual")));
        }
    }
    EXPECT_TRUE(word.called("Application.Visible true"));
}

TEST_F(D2hCommandTest, BadArgumentsWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"-d", "7", "DOC"}, "\r\nHeading level must be between 0 and 6"},
        {{"-d", "8", "-v", "DOC"}, "\r\nHeading level must be between 0 and 6"},
        // A value may not begin with '-': -1 is no value of -d but an option
        // of its own, whose value is the path.
        {{"-d", "-1", "DOC"}, "\r\nNo file name given"},
        {{}, "\r\nNo file name given"},
        {{"-v", "-o"}, "\r\nNo file name given"},
        {{"-d", "DOC"}, "\r\nNo file name given"},  // the path is the value of -d
        {{"-d", "2", "docs/none.docx"}, "\r\nFile not found: TMP/docs/none.docx"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        for (std::string& a : args)
            if (a == "DOC") a = document;
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(run(args), VANE_ERR_ARGUMENTS);
        std::string message = c.message;
        if (const std::size_t at = message.find("TMP"); at != std::string::npos)
            message.replace(at, 3, tmp.path());
        EXPECT_TRUE(printed(message)) << host.output();
        EXPECT_TRUE(printed("\r\n*** Process terminated with error ***"));
        EXPECT_FALSE(fs::exists(tmp.file("docs/manual")));
        EXPECT_FALSE(fs::exists(tmp.file("docs/none")));
        EXPECT_EQ(word.applicationsCreated, 0);
    }
}

TEST_F(D2hCommandTest, RelativeOperandAndZBeforeThePath) {
    // "-z" takes no value: the path after it is the operand (and no _full.html
    // exists, so the split fails, but the document was found).
    EXPECT_EQ(run({"-z", "docs/manual.docx"}), -11);
    EXPECT_TRUE(printed("\r\nError in splitting"));
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_EQ(read_file(out("manual.html")), read_file(test::golden_path("d2h/frameset_manual_nopage.html")));
}

struct WordFailure {
    const char* name;
    std::function<void(test::FakeWord&)> arrange;
    int result;
    const char* message;  // nullptr: none beyond message 125
    bool quitCalled;
    bool documentClosed;
    // The run ends at once: no erase of the output directory, no wait.
    bool endsAtOnce = false;
    bool htmlSaved = false;  // the whole-document HTML stays for inspection
};

const WordFailure kWordFailures[] = {
    {"cannot start", [](test::FakeWord& w) { w.failCreate = true; }, -7,
     "\r\nCannot open or connect MS WinWord", false, false, true},
    {"no documents", [](test::FakeWord& w) { w.noDocumentCollection = true; }, -7, nullptr, true, false},
    {"open gives nothing", [](test::FakeWord& w) { w.openReturnsNothing = true; }, -8,
     "\r\nCannot open document", true, false},
    {"open throws", [](test::FakeWord& w) { w.failOn("Documents.Open"); }, -8,
     "\r\nError processing document", true, false},
    {"revisions throw", [](test::FakeWord& w) { w.failOn("Document.AcceptAllRevisions"); }, -8,
     "\r\nError processing document", true, true},
    {"save throws", [](test::FakeWord& w) { w.failOn("Document.SaveAs"); }, -8,
     "\r\nError processing document", true, true},
    {"no information", [](test::FakeWord& w) { w.failOn("PageSetup.Orientation"); }, -8,
     "\r\nCannot get document information", true, true, true},
    {"quit throws", [](test::FakeWord& w) { w.failOn("Application.Quit"); }, -7, nullptr, true, true, false,
     true},
};

TEST_F(D2hCommandTest, WordProcessorFailures) {
    for (const WordFailure& f : kWordFailures) {
        for (bool erase : {false, true}) {
            SCOPED_TRACE(std::string(f.name) + (erase ? " -e" : ""));
            test::FakeWord fresh;
            fresh.document().html = word.document().html;
            fresh.document().page().paragraph().line("x", 72);
            f.arrange(fresh);
            env.sleeps.clear();
            fs::create_directories(tmp.file("docs/manual"));
            write_text(out("old.txt"), "from an earlier run");

            EXPECT_EQ(
                run(erase ? std::vector<std::string>{"-e", document} : std::vector<std::string>{document}),
                f.result);
            if (f.message != nullptr) {
                EXPECT_TRUE(printed(f.message)) << host.output();
            }
            EXPECT_TRUE(printed("\r\n*** Process terminated with error ***"));
            EXPECT_EQ(fresh.called("Application.Quit"), f.quitCalled);
            EXPECT_EQ(fresh.called("Document.Close nosave"), f.documentClosed);
            EXPECT_FALSE(fs::exists(out("manual.doc")));  // no working copy left
            EXPECT_EQ(fs::exists(out("manual.html")), f.htmlSaved && !erase);
            EXPECT_FALSE(fs::exists(out("manual_index.html")));  // no site
            // -e empties the directory before the word processor starts; only
            // the clean-up after a failure while converting removes it.
            EXPECT_EQ(fs::exists(tmp.file("docs/manual")), !erase || f.endsAtOnce);
            EXPECT_EQ(env.sleeps, f.endsAtOnce ? std::vector<int>{} : std::vector<int>{5000});
            EXPECT_EQ(read_file(document), kDocumentBytes);
        }
    }
}

// A word processor that cannot start, or a document whose information cannot
// be read, ends the run right after its message: nothing is erased, nothing waited for.
TEST_F(D2hCommandTest, StartAndInformationFailuresEndTheRunAtOnce) {
    struct Case {
        const char* name;
        std::function<void(test::FakeWord&)> arrange;
        int result;
        const char* message;
        int quits;
    } const cases[] = {
        {"cannot start", [](test::FakeWord& w) { w.failCreate = true; }, -7,
         "\r\nCannot open or connect MS WinWord", 0},
        {"no information", [](test::FakeWord& w) { w.failOn("PageSetup.Orientation"); }, -8,
         "\r\nCannot get document information", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeWord fresh;
        fresh.document().page().paragraph().line("x", 72);
        c.arrange(fresh);
        env.sleeps.clear();
        EXPECT_EQ(run({"-v", "-e", document}), c.result);
        const std::string tail = std::string(c.message) + "\r\n*** Process terminated with error ***";
        const std::string& output = host.output();
        ASSERT_GE(output.size(), tail.size()) << output;
        EXPECT_EQ(output.substr(output.size() - tail.size()), tail) << output;
        EXPECT_FALSE(printed("\r\nError processing document"));
        EXPECT_FALSE(printed("\r\nClosing MS WinWord"));
        EXPECT_EQ(fresh.callCount("Application.Quit"), c.quits);
        EXPECT_TRUE(env.sleeps.empty());
        EXPECT_TRUE(fs::is_directory(tmp.file("docs/manual")));
        EXPECT_FALSE(fs::exists(out("manual.doc")));
    }
}

TEST_F(D2hCommandTest, WorkingCopyThatCannotBeWritten) {
    write_text(tmp.file("blocked"), "a file where the output directory should be");
    EXPECT_EQ(run({"-e", "-o", "blocked", document}), -5);
    EXPECT_TRUE(printed("\r\nCannot copy word file")) << host.output();
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_TRUE(env.sleeps.empty());
    EXPECT_EQ(read_file(document), kDocumentBytes);
}

// The other failure that ends with -5: the frameset page cannot be created.
TEST_F(D2hCommandTest, FramesetPageThatCannotBeCreated) {
    fs::create_directories(out("manual.html/taken"));  // a folder where the frameset page goes
    write_text(out("manual_full.html"), read_file(test::golden_path("d2h/manual_full.html")));
    EXPECT_EQ(run({"-z", document}), -5);
    EXPECT_TRUE(printed("\r\nError opening file " + out("manual.html"))) << host.output();
    EXPECT_FALSE(printed("\r\nCannot copy word file"));
    EXPECT_FALSE(fs::exists(out("index.html")));
}

TEST_F(D2hCommandTest, WaitsBeforeTheLastCleanUpAfterAFailure) {
    word.failOn("Document.SaveAs");
    EXPECT_EQ(run({document}), -8);
    EXPECT_EQ(env.sleeps, std::vector<int>{5000});
    EXPECT_FALSE(printed("\r\nClosing MS WinWord"));  // verbose only
    EXPECT_EQ(word.callCount("Application.Quit"), 1);
}

TEST_F(D2hCommandTest, EraseClearsAnEarlierSite) {
    fs::create_directories(tmp.file("docs/manual/stale"));
    write_text(out("stale/old.html"), "old");
    write_text(out("manual_7.html"), "old page");
    ASSERT_EQ(run({"-e", document}), 0) << host.output();
    EXPECT_EQ(files_in(tmp.file("docs/manual")), site_files("manual", 3));
}

TEST_F(D2hCommandTest, TheDocumentInTheOutputDirectoryIsNeverTouched) {
    fs::create_directories(tmp.file("site"));
    const std::string inside = tmp.file("site/manual.doc");
    write_text(inside, kDocumentBytes);
    write_text(tmp.file("site/keep.txt"), "keep");
    struct Case {
        std::vector<std::string> args;
        std::function<void(test::FakeWord&)> arrange;
        int result;
    } const cases[] = {
        {{"-o", "site", inside}, nullptr, 0},
        {{"-e", "-o", "site", inside}, nullptr, 0},
        {{"-e", "-o", tmp.file("site/"), inside}, [](test::FakeWord& w) { w.failOn("Document.SaveAs"); }, -8},
        {{"-e", "-o", tmp.path(), document}, [](test::FakeWord& w) { w.failOn("Document.SaveAs"); }, -8},
        {{"-e", "-o", tmp.path(), document}, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        test::FakeWord fresh;
        fresh.document().html = word.document().html;
        fresh.document().page().paragraph().line("x", 72);
        if (c.arrange) c.arrange(fresh);
        EXPECT_EQ(run(c.args), c.result) << host.output();
        EXPECT_EQ(read_file(inside), kDocumentBytes);
        EXPECT_EQ(read_file(document), kDocumentBytes);
        EXPECT_EQ(read_file(tmp.file("site/keep.txt")), "keep");
        EXPECT_FALSE(fs::exists(tmp.file("site/manual_work.doc")));
        if (c.args.back() == inside) {
            EXPECT_TRUE(fresh.called("Documents.Open " + tmp.file("site/manual_work.doc")));
        }
    }
    EXPECT_TRUE(fs::exists(tmp.file("site/index.html")));
}

TEST_F(D2hCommandTest, EraseSparesTheCurrentDirectory) {
    fs::create_directories(tmp.file("work"));
    env.cwd = tmp.file("work");
    write_text(tmp.file("work/notes.txt"), "mine");
    ASSERT_EQ(run({"-e", "-o", ".", document}), 0) << host.output();
    EXPECT_EQ(read_file(tmp.file("work/notes.txt")), "mine");
    EXPECT_TRUE(fs::exists(tmp.file("work/manual_index.html")));
}

TEST_F(D2hCommandTest, NoHomePageWithOnePage) {
    word.document().html =
        "<html>\r\n<head><title>x</title></head>\r\n<body>\r\n<p>front</p>\r\n<h1>Only</h1>\r\n<p>text</"
        "p>\r\n"
        "</body>\r\n</html>\r\n";
    ASSERT_EQ(run({"-m", "-p", "25%", document}), 0) << host.output();
    test::expect_golden(read_file(out("manual.html")), test::golden_path("d2h/frameset_manual_m.html"));
    EXPECT_EQ(read_file(out("manual_0.html")), "");
    const std::string index = read_file(out("manual_index.html"));
    EXPECT_NE(index.find("d.add(0,-1,'Manual');"), std::string::npos) << index;
    EXPECT_NE(index.find("window.parent.main.location.href='manual_1.html';"), std::string::npos);
}

TEST_F(D2hCommandTest, OptionsReachTheSplitAndTheIndex) {
    word.document().html =
        "<html>\r\n<head><title>x</title></head>\r\n<body>\r\n<p>front</p>\r\n<h1>Intro</h1>\r\n"
        "<h1>FV_EXCLUDE</h1>\r\n<h2>Hidden</h2>\r\n<h1>fv_include</h1>\r\n<h1>Shown</h1>\r\n<h3>Deep</h3>\r\n"
        "</body>\r\n</html>\r\n";
    write_text(tmp.file("mine.css"), "body { color: red }\r\n");
    struct Case {
        std::vector<std::string> options;
        bool bar;            // Previous/Next bar on page 1
        bool hiddenIndexed;  // the marked range is in the index
        const char* root;    // index root call
        const char* page1;   // text on page 1
        int pageCount;
    } const cases[] = {
        {{}, true, true, "d.add(0,-1,'Manual','manual_0.html'", "Intro", 6},
        {{"-x"}, true, true, "d.add(0,-1,'Manual'", "Intro", 6},
        {{"-n", "OFF"}, false, true, "d.add(0,-1,'Manual'", "Intro", 6},
        {{"-n", " o f f", "-x"}, false, false, "d.add(0,-1,'Manual'", "Intro", 6},
        {{"-n", "maybe"}, true, true, "d.add(0,-1,'Manual'", "Intro", 6},
        {{"-t", "My\tTitle ", "-k", "1", "-d", "2"},
         true,
         true,
         "d.add(0,-1,'My Title','manual_0.html'",
         "FV_EXCLUDE",
         4},
        {{"-k", "-3", "-d", "0"}, true, false, "d.add(0,-1,'Manual','manual_0.html'", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"-c", tmp.file("mine.css"), "-e", document});
        ASSERT_EQ(run(args), 0) << host.output();
        EXPECT_EQ(files_in(tmp.file("docs/manual")), site_files("manual", c.pageCount));
        const std::string index = read_file(out("manual_index.html"));
        EXPECT_NE(index.find(c.root), std::string::npos) << index;
        EXPECT_EQ(index.find("'Hidden'") != std::string::npos, c.hiddenIndexed) << index;
        if (c.pageCount > 0) {
            const std::string page1 = read_file(out("manual_1.html"));
            EXPECT_EQ(page1.find("previous.png") != std::string::npos, c.bar) << page1;
            EXPECT_NE(page1.find(c.page1), std::string::npos) << page1;
        }
        EXPECT_EQ(read_file(out("manual.css")), "body { color: red }\r\n");
    }
}

// -a: a paragraph in a custom style with an outline level, which the export
// writes as a plain paragraph, starts a page and is in the index.
TEST_F(D2hCommandTest, AllHeadingsMakesOutlineParagraphsPages) {
    test::FakeDocument& doc = word.document();
    doc = test::FakeDocument();
    doc.title = "Manual";
    doc.style("Chapitre", 1);
    doc.page();
    doc.paragraph("Heading 1").line("Intro", 72);
    doc.paragraph("Chapitre").line("Histoire", 100);
    doc.paragraph().line("Text", 130);
    doc.html =
        "<html>\r\n<head><title>x</title></head>\r\n<body>\r\n<h1>Intro</h1>\r\n"
        "<p class=\"chapitre\">Histoire</p>\r\n<p>Text</p>\r\n</body>\r\n</html>\r\n";
    const struct {
        std::vector<std::string> options;
        bool indexed;
        int pageCount;
    } cases[] = {{{}, false, 1}, {{"-a"}, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"-e", document});
        ASSERT_EQ(run(args), 0) << host.output();
        EXPECT_EQ(files_in(tmp.file("docs/manual")), site_files("manual", c.pageCount));
        const std::string index = read_file(out("manual_index.html"));
        EXPECT_EQ(index.find("'Histoire'") != std::string::npos, c.indexed) << index;
    }
}

TEST_F(D2hCommandTest, BaseNameIndexMakesNoSeparateCopy) {
    const std::string doc = tmp.file("docs/index.docx");
    write_text(doc, kDocumentBytes);
    ASSERT_EQ(run({doc}), 0) << host.output();
    const std::string dir = tmp.file("docs/index");
    EXPECT_EQ(files_in(dir), site_files("index", 3));
    test::expect_golden(read_file(dir + "/index.html"), test::golden_path("d2h/frameset_index.html"));
    EXPECT_EQ(read_file(dir + "/index.htm"), read_file(dir + "/index.html"));
    EXPECT_EQ(read_file(doc), kDocumentBytes);
}

TEST_F(D2hCommandTest, DirectoryWithCapitalsAndSpacesPublishes) {
    fs::create_directories(tmp.file("My Docs"));
    const std::string doc = tmp.file("My Docs/Report.DOCX");
    write_text(doc, kDocumentBytes);
    ASSERT_EQ(run({doc}), 0) << host.output();
    const std::string dir = tmp.file("My Docs/Report");
    EXPECT_EQ(files_in(dir), site_files("Report", 3));
    test::expect_golden(read_file(dir + "/Report.html"), test::golden_path("d2h/frameset_Report.html"));
    EXPECT_EQ(read_file(dir + "/index.html"), read_file(dir + "/Report.html"));
    EXPECT_EQ(read_file(doc), kDocumentBytes);
}

TEST_F(D2hCommandTest, ReuseSplitsTheKeptExportAgain) {
    fs::create_directories(tmp.file("docs/manual"));
    const std::string full = read_file(test::golden_path("d2h/manual_full.html"));
    write_text(out("manual_full.html"), full);
    ASSERT_EQ(run({"-z", "-e", document}), 0) << host.output();
    EXPECT_EQ(word.applicationsCreated, 0);
    std::set<std::string> expected = site_files("manual", 3);
    expected.insert("manual_full.html");
    EXPECT_EQ(files_in(tmp.file("docs/manual")), expected);
    EXPECT_EQ(read_file(out("manual_full.html")), full);
    test::expect_golden(read_file(out("manual.html")), test::golden_path("d2h/frameset_manual.html"));
    // Without the word processor the title is the base name.
    EXPECT_NE(read_file(out("manual_index.html")).find("d.add(0,-1,'manual'"), std::string::npos);
    EXPECT_FALSE(printed("\r\nFiltering document..."));
}

TEST_F(D2hCommandTest, FilterThatCannotBeWrittenLeavesTheHtmlUnfiltered) {
    fs::create_directories(out("4242_manual"));  // takes the filter program's name
    fs::create_directories(out("4242_manual.exe"));
    ASSERT_EQ(run({document}), 0) << host.output();
    std::set<std::string> got = files_in(tmp.file("docs/manual"));
    EXPECT_EQ(got, site_files("manual", 3));
    EXPECT_FALSE(fs::exists(out("manual.html.filtered")));
    // The page keeps the word processor's own lines.
    EXPECT_NE(read_file(out("manual_2.html")).find("<h2><a name=\"install\"></a>Installation</h2>"),
              std::string::npos)
        << read_file(out("manual_2.html"));
    EXPECT_NE(read_file(out("manual_1.html")).find("href=\"manual_2.html#install\""), std::string::npos);
}

// A disk that fills while the site is written, a file that cannot be created
// (the last ones are the frameset's copies) or a refused rename: the run ends
// with an error result and never reports success. The faults are placed from
// a clean run's own count of writes.
TEST_F(D2hCommandTest, FailedSiteWritesEndInAnError) {
    long long bytes = 0;
    int opens = 0;
    {
        test::FaultEnv count;
        ASSERT_EQ(run({"-e", document}), 0) << host.output();
        bytes = count.bytesWritten;
        opens = count.opensForWrite;
        ASSERT_GT(count.renames, 0);
    }
    ASSERT_GT(opens, 10);
    struct Case {
        const char* name;
        long long budget;
        int failOpen;
        int failRename;
    } const cases[] = {
        {"nothing more after the working copy", static_cast<long long>(kDocumentBytes.size()), 0, 0},
        {"disk full half-way", bytes / 2, 0, 0},
        {"disk full before the last byte", bytes - 1, 0, 0},
        {"the last file is refused", -1, opens, 0},
        {"the file before it is refused", -1, opens - 1, 0},
        {"a file half-way is refused", -1, opens / 2, 0},
        {"the filtered page cannot take the site page's name", -1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FaultEnv fault;
        fault.writeBudget = c.budget;
        fault.failOpenForWrite = c.failOpen;
        fault.failRename = c.failRename;
        EXPECT_NE(run({"-e", document}), 0) << host.output();
        EXPECT_FALSE(printed("Process terminated successfully")) << host.output();
        EXPECT_EQ(read_file(document), kDocumentBytes);
    }
}

}  // namespace
}  // namespace vane
