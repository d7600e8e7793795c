#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "D2pFixture.h"
#include "discovery/ProducerPaths.h"
#include "frame/CommandWrapper.h"
#include "pdf/D2pCommand.h"

namespace vane {
namespace {

using test::read_file;
using test::write_text;

std::string golden(const std::string& name) {
    const char* source = std::getenv("VANE_SOURCE_DIR");
    return source == nullptr ? std::string() : std::string(source) + "/tests/data/pdf/" + name;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class D2pCommandTest : public test::D2pFixture {};

TEST_F(D2pCommandTest, PublishesOutlineThenLinksThenThePrintedPages) {
    ASSERT_EQ(run(), 0);
    EXPECT_TRUE(host.printed(124));

    ASSERT_EQ(env.starts.size(), 1u);
    const std::string file = golden("d2p_manual_marks.ps");
    if (std::getenv("VANE_UPDATE_GOLDEN") != nullptr) write_text(file, markFileRead());
    const std::string expected = read_file(file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(markFileRead(), expected);

    // The producer runs in its own folder: every path it gets is absolute.
    EXPECT_EQ(env.starts[0].workingDirectory, tmp.file("gs/bin/"));
    EXPECT_EQ(commandLine(), "\"" + tmp.file("gs/bin/gs") +
                                 "\" -dBATCH -dSAFER -DNOPAUSE -q -sDEVICE=pdfwrite -dPDFSETTINGS=/printer "
                                 "\"-sOutputFile=" +
                                 docs("manual.pdf") + "\" -f \"" + docs("manual.pdf.ps_2.ps") + "\"");

    // The working copy was opened and printed through the PostScript printer,
    // the previous printer came back and the word processor was quit.
    EXPECT_TRUE(word.called("Documents.Open " + docs("manual_fv.docx")));
    EXPECT_FALSE(word.called("Documents.Open " + document));
    EXPECT_TRUE(word.called("Document.PrintOut " + docs("manual.pdf")));
    EXPECT_EQ(word.printedWith, "Folivane");
    EXPECT_EQ(word.activePrinter, "Default Printer");
    EXPECT_EQ(word.viewType, 3);
    EXPECT_TRUE(word.called("Document.Close nosave"));
    EXPECT_TRUE(word.called("Application.Quit"));
    EXPECT_FALSE(word.visible);

    // Only the document and the PDF the producer wrote remain.
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.pdf"}));
}

TEST_F(D2pCommandTest, PdfWrittenByTheProducerIsKept) {
    env.pdfFile = docs("manual.pdf");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.pdf"}));
    EXPECT_EQ(read_file(docs("manual.pdf")), env.pdfBytes);
}

struct OptionCase {
    const char* name;
    std::vector<std::string> extra;
    bool outline;
    bool links;
    bool openOutline;
};

TEST_F(D2pCommandTest, OutlineLinksAndOpenOutlineFollowTheOptions) {
    const OptionCase cases[] = {
        {"defaults", {}, true, true, false},
        {"-k opens the outline", {"-k"}, true, true, true},
        {"-l drops the links", {"-l"}, true, false, false},
        {"-d 0 drops the outline, -k then has no effect", {"-d", "0", "-k"}, false, true, false},
        {"-d without digits reads as 0", {"-d", "none"}, false, true, false},
        {"-d 0 -l: the printed pages alone", {"-d", "0", "-l"}, false, false, false},
        {"-d 1 -k", {"-d", "1", "-k"}, true, true, true},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        env.starts.clear();
        word.clearCalls();
        ASSERT_EQ(run(c.extra), 0);
        const std::string marks = markFileRead();
        EXPECT_EQ(contains(marks, "/OUT pdfmark"), c.outline);
        EXPECT_EQ(contains(marks, "/ANN pdfmark"), c.links);
        EXPECT_EQ(contains(commandLine(), "/PageMode /UseOutlines"), c.openOutline);
        EXPECT_EQ(host.printed(153), c.outline);  // extracting bookmarks
        EXPECT_EQ(host.printed(156), c.links);    // extracting links
        EXPECT_EQ(word.called("Document.Hyperlinks"), c.links);
        // The printed pages come last, then the document information again:
        // the printed file's own title comment must not replace it.
        const std::string closing = "[ /Title (Manual) /DOCINFO pdfmark\r\n";
        const std::string tail = test::kPrintedPostScript + closing;
        EXPECT_EQ(marks.substr(marks.size() - tail.size()), tail);
        EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.pdf"}));
    }
}

// The document's properties open the mark file, before the outline marks,
// also when there is no outline; with no property at all no such line is written.
TEST_F(D2pCommandTest, DocumentPropertiesComeFirstInTheMarkFile) {
    const std::string shown = "[ {Catalog} << /ViewerPreferences << /DisplayDocTitle true >> >> /PUT pdfmark\r\n";
    struct Case {
        const char* name;
        const char* title;
        const char* author;
        const char* keywords;
        std::vector<std::string> extra;
        std::string first;  // the mark file's beginning
    } const cases[] = {
        {"all given", "Manual", "Z\xC3\xA9lie (ed.)", "pdf, outline", {},
         "[ /Title (Manual) /Author <FEFF005A00E9006C006900650020002800650064002E0029> /Keywords (pdf, outline) "
         "/DOCINFO pdfmark\r\n" + shown + "[ /Title <FEFF0049006E00740072006F"},
        {"no outline", "Manual", "", "", {"-d", "0"}, "[ /Title (Manual) /DOCINFO pdfmark\r\n" + shown + "[ /Rect ["},
        {"no title", "", "A. Writer", "", {}, "[ /Author (A. Writer) /DOCINFO pdfmark\r\n[ /Title <FEFF0049"},
        {"nothing", "", "", "", {}, "[ /Title <FEFF0049006E00740072006F"},
        {"nothing, no marks", "", "", "", {"-d", "0", "-l"}, test::kPrintedPostScript},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        env.starts.clear();
        test::FakeDocument& doc = word.document();
        doc.title = c.title;
        doc.author = c.author;
        doc.keywords = c.keywords;
        ASSERT_EQ(run(c.extra), 0);
        const std::string marks = markFileRead();
        EXPECT_EQ(marks.substr(0, c.first.size()), c.first);
        EXPECT_EQ(contains(marks, "/DOCINFO"), std::string(c.title) + c.author + c.keywords != "");
    }
}

TEST_F(D2pCommandTest, DeepestLevelLimitsTheOutline) {
    ASSERT_EQ(run({"-d", "1"}), 0);
    const std::string marks = markFileRead();
    EXPECT_EQ(marks.find("/OUT pdfmark"), marks.rfind("/OUT pdfmark"));  // Introduction only
}

// A footnote link whose end the word processor places past the last page is
// left out; the rest of the run goes on.
// A report whose title page is set in Heading 6, with a chapter in a custom
// style with an outline level, a level set on a paragraph and numbered
// headings: without -a the outline is the title lines alone, with -a every
// heading in its numbered title. Each mark file is kept as a golden file.
TEST_F(D2pCommandTest, AllHeadingsOptionTakesEveryOutlineLevel) {
    test::FakeDocument& doc = word.document();
    doc = test::FakeDocument();
    doc.title = "Report";
    doc.style("Chapitre", 1);
    doc.page();
    doc.paragraph("Heading 6").line("Annual report", 100);
    doc.paragraph("Heading 6").line("2026", 140);
    doc.page();
    doc.paragraph("Chapitre").line("Historique", 72);
    doc.main().listNumber("3.");
    doc.paragraph("Heading 2").line("Origines", 150);
    doc.main().listNumber("3.1");
    doc.paragraph().line("See the site for news.", 200);
    doc.hyperlinkOn("site", "http://example.org/news");
    doc.paragraph().line("Annexe", 300);
    doc.main().outline(1);
    doc.postScript = test::kPrintedPostScript;

    const struct {
        std::vector<std::string> extra;
        const char* golden;
        bool numbered;  // "3.1 Origines" is in the outline
    } cases[] = {
        {{}, "d2p_heading6_marks.ps", false},
        {{"-a"}, "d2p_all_headings_marks.ps", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        env.starts.clear();
        ASSERT_EQ(run(c.extra), 0);
        const std::string file = golden(c.golden);
        if (std::getenv("VANE_UPDATE_GOLDEN") != nullptr) write_text(file, markFileRead());
        const std::string expected = read_file(file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(markFileRead(), expected);
        const std::string origines = "/Title <FEFF0033002E00310020004F0072006900670069006E00650073>";
        EXPECT_EQ(contains(markFileRead(), origines), c.numbered);
    }
}

TEST_F(D2pCommandTest, FootnoteLinkPastTheLastPageIsLeftOut) {
    test::FakeDocument& doc = word.document();
    doc.footnote(1).paragraph().line("See near.org", 780).hyperlinkOn("near.org", "http://near.org");
    doc.footnote(1)
        .paragraph()
        .line("See far ", 794)
        .onPage(2)
        .line("away.org today", 72)
        .hyperlinkOn("far away.org", "http://far.away.org");
    ASSERT_EQ(run(), 0) << host.output();
    EXPECT_TRUE(host.printed(124));
    EXPECT_FALSE(host.printed(164));
    const std::string marks = markFileRead();
    EXPECT_TRUE(contains(marks, "/SrcPg 1 /URI (http://near.org)")) << marks;
    EXPECT_FALSE(contains(marks, "far.away.org")) << marks;
    EXPECT_EQ(env.starts.size(), 1u);
}

TEST_F(D2pCommandTest, LevelOutOfRangeStopsBeforeTheWordProcessor) {
    for (const char* level : {"7", "10", "61"}) {
        SCOPED_TRACE(level);
        EXPECT_EQ(run({"-d", level}), -4) << host.output();
        EXPECT_TRUE(host.printed(128));
        EXPECT_TRUE(host.printed(125));
    }
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_TRUE(env.starts.empty());
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

// A value that starts with "-" is never an option's value, in every command:
// "-d -1" leaves -d without a level, and "-1" is read as one more option, so
// the document after it is taken as that option's value and the run has no
// file name.
TEST_F(D2pCommandTest, NegativeLevelReadsAsAnotherOption) {
    EXPECT_EQ(runRaw({"-p", "Folivane", "-d", "-1", document}), -4) << host.output();
    EXPECT_TRUE(host.printed(130));
    EXPECT_FALSE(host.printed(128));
    EXPECT_TRUE(host.printed(125));
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_TRUE(env.starts.empty());
}

TEST_F(D2pCommandTest, MissingDocument) {
    EXPECT_EQ(runRaw({"-p", "Folivane"}), -4);
    EXPECT_TRUE(host.printed(130));
    EXPECT_EQ(runRaw({"-p", "Folivane", "-o"}), -4);
    EXPECT_TRUE(host.printed(130));
    EXPECT_EQ(runRaw({"-p", "Folivane", docs("missing.docx")}), -4);
    EXPECT_TRUE(printed("File not found: " + docs("missing.docx")));
    EXPECT_EQ(word.applicationsCreated, 0);
}

TEST_F(D2pCommandTest, RelativePathsAndDocumentWithoutExtension) {
    write_text(docs("notes"), test::kD2pDocumentBytes);
    env.cwd = tmp.file("docs");
    env.markFile = tmp.file("out/notes.pdf.ps_2.ps");
    std::filesystem::create_directories(tmp.file("out"));
    ASSERT_EQ(runRaw({"-p", "Folivane", "-c", "../gs", "-o", "../out/notes.pdf", "notes"}), 0)
        << host.output();
    EXPECT_TRUE(word.called("Documents.Open " + docs("notes_fv")));
    EXPECT_TRUE(contains(commandLine(), "\"-sOutputFile=" + tmp.file("docs/../out/notes.pdf") + "\""));
    EXPECT_TRUE(contains(commandLine(), "-f \"" + tmp.file("docs/../out/notes.pdf.ps_2.ps") + "\""));
    EXPECT_EQ(env.starts[0].workingDirectory, tmp.file("docs/../gs/bin/"));
    EXPECT_FALSE(markFileRead().empty());
    EXPECT_EQ(read_file(docs("notes")), test::kD2pDocumentBytes);
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "notes"}));
}

TEST_F(D2pCommandTest, UsersFileAtTheWorkingCopyNameIsLeftAlone) {
    write_text(docs("manual_fv.docx"), "mine");
    ASSERT_EQ(run(), 0);
    EXPECT_TRUE(word.called("Documents.Open " + docs("manual_fv2.docx")));
    EXPECT_EQ(read_file(docs("manual_fv.docx")), "mine");
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.pdf", "manual_fv.docx"}));
}

TEST_F(D2pCommandTest, OutputNamedLikeTheDocumentGoesBesideIt) {
    ASSERT_EQ(run({"-o", document}), 0);
    EXPECT_TRUE(word.called("Document.PrintOut " + document + ".pdf"));
    EXPECT_TRUE(contains(commandLine(), "\"-sOutputFile=" + document + ".pdf\""));
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.docx.pdf"}));
}

TEST_F(D2pCommandTest, JobFileAndVerboseReport) {
    ASSERT_EQ(run({"-v", "-j", "job.txt", "-o", "out.pdf"}), 0);
    EXPECT_TRUE(contains(commandLine(), "\"@" + tmp.file("job.txt") + "\""));
    for (const std::string& line : std::vector<std::string>{
             "Heading level: 6", "Doc file: " + document, "Ghostscript path: " + tmp.file("gs/bin/gs"),
             "Pdf file: " + tmp.file("out.pdf"), "Job file: " + tmp.file("job.txt"), "Change current printer",
             "Total number of bookmarks: 2", "Total number of links: 1", "Restoring previous active printer",
             "Closing MS WinWord"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(printed(line));
    }
}

TEST_F(D2pCommandTest, SilentRunPrintsOnlyTheClosingMessage) {
    ASSERT_EQ(run({"-s"}), 0);
    EXPECT_EQ(host.output(), test::TestHost::text(124));
}

TEST_F(D2pCommandTest, GhostscriptFailureRemovesItsPartialPdf) {
    env.exitCode = 1;
    env.pdfFile = docs("manual.pdf");
    EXPECT_EQ(run(), -13);
    EXPECT_TRUE(host.printed(169));
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

// A producer that ends with 0 on a full disk leaves a PDF cut short: the run
// fails as if the producer had, and the broken file goes.
TEST_F(D2pCommandTest, ProducerSuccessWithATruncatedPdfIsAFailure) {
    const std::string whole = env.pdfBytes;
    for (const std::string& left : {whole.substr(0, whole.size() / 2), std::string()}) {
        SCOPED_TRACE(left.size());
        env.pdfBytes = left;
        EXPECT_EQ(run(), -13);
        EXPECT_TRUE(host.printed(169));
        EXPECT_TRUE(host.printed(125));
        EXPECT_FALSE(host.printed(124));
        EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
    }
}

// A word processor that prints through a PDF keeps it in the temporary
// folder; it is there while the producer runs and gone afterwards, whatever
// the producer did.
TEST_F(D2pCommandTest, PrintedPdfGoesOnceTheProducerHasRun) {
    namespace fs = std::filesystem;
    const std::string whole = env.pdfBytes;
    const struct {
        const char* name;
        int exitCode;
        std::string produced;
        int result;
    } cases[] = {
        {"success", 0, whole, 0},
        {"producer failed", 1, whole, -13},
        {"producer left a broken PDF", 0, whole.substr(0, whole.size() / 2), -13},
    };
    fs::create_directories(tmp.file("tmp"));
    env.temporary = tmp.file("tmp");
    env.watched = tmp.file("tmp/vane-printed-4242.pdf");
    word.document().printedPdf = test::minimal_pdf();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        env.starts.clear();
        env.exitCode = c.exitCode;
        env.pdfBytes = c.produced;
        EXPECT_EQ(run(), c.result);
        EXPECT_EQ(word.printedThrough, env.watched);
        ASSERT_EQ(env.starts.size(), 1u);
        EXPECT_TRUE(env.starts[0].watchedExisted);
        EXPECT_TRUE(fs::is_empty(tmp.file("tmp")));
    }
    // A word phase that fails after printing never reaches the producer; the
    // PDF goes too.
    env.starts.clear();
    word.printedThrough.clear();
    word.failOn("Document.Close");
    EXPECT_EQ(run(), -8);
    EXPECT_EQ(word.printedThrough, env.watched);
    EXPECT_TRUE(env.starts.empty());
    EXPECT_TRUE(fs::is_empty(tmp.file("tmp")));
}

// --- printers ---

TEST_F(D2pCommandTest, NamedPrinterMustOpen) {
    EXPECT_EQ(runRaw({"-p", "Nowhere", "-c", tmp.file("gs"), document}), -6);
    EXPECT_TRUE(host.printed(141));
    EXPECT_EQ(env.printers.lookups, (std::vector<std::string>{"Nowhere"}));
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

TEST_F(D2pCommandTest, DefaultPrintersTriedInOrder) {
    env.printers.names = {"Adobe PDF"};
    ASSERT_EQ(runRaw({"-c", tmp.file("gs"), document}), 0);
    EXPECT_EQ(env.printers.lookups, (std::vector<std::string>{"Acrobat Distiller", "Adobe PDF"}));
    EXPECT_EQ(word.printedWith, "Adobe PDF");

    env.printers.names = {"Folivane"};
    env.printers.lookups.clear();
    EXPECT_EQ(runRaw({"-c", tmp.file("gs"), document}), -6);
    EXPECT_TRUE(host.printed(141));
    EXPECT_EQ(env.printers.lookups, (std::vector<std::string>{"Acrobat Distiller", "Adobe PDF"}));
}

// --- producers ---

class D2pProducerTest : public test::D2pFixture {
protected:
    int runCommand(const std::vector<std::string>& args) {
        std::vector<std::string> all = {"d2p"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        host.clear();
        return run_command([&] { return command.run(static_cast<int>(all.size()), argv.data()); });
    }
    D2pCommand command;
};

TEST_F(D2pProducerTest, NoProducerAtAll) {
    command.search.ghostscriptFolder = [](const std::string&) { return false; };
    command.search.ghostscript = [] { return false; };
    command.search.distiller = [] { return false; };
    EXPECT_EQ(runCommand({"-s", "-p", "Folivane", "-c", tmp.file("nothing"), document}), -13);
    EXPECT_EQ(host.output(), test::TestHost::text(133) + test::TestHost::text(227) +
                                 test::TestHost::text(228) + test::TestHost::text(125));
    EXPECT_EQ(word.applicationsCreated, 0);
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

TEST_F(D2pProducerTest, FolderWithoutGhostscriptFallsBackToTheSearch) {
    std::vector<std::string> searched;
    command.search.ghostscriptFolder = [&](const std::string& folder) {
        searched.push_back(folder);
        return false;
    };
    command.search.ghostscript = [&] {
        searched.push_back("search");
        producer_paths().ghostscript = tmp.file("gs/bin/gs");
        return true;
    };
    ASSERT_EQ(runCommand({"-p", "Folivane", "-c", "/opt/gs", document}), 0);
    EXPECT_EQ(searched, (std::vector<std::string>{"/opt/gs", "search"}));
}

TEST_F(D2pProducerTest, DistillerWhenGhostscriptIsMissing) {
    command.search.ghostscript = [] { return false; };
    command.search.distiller = [this] {
        producer_paths().distiller = tmp.file("acro/acrodist");
        return true;
    };
    ASSERT_EQ(runCommand({"-s", "-k", "-p", "Folivane", document}), 0);
    EXPECT_EQ(host.output(),
              test::TestHost::text(133) + test::TestHost::text(227) + test::TestHost::text(124));
    EXPECT_EQ(commandLine(), "\"" + tmp.file("acro/acrodist") + "\" /N /Q /O \"" + docs("manual.pdf") +
                                 "\" \"" + docs("manual.pdf.ps_2.ps") + "\"");
    EXPECT_FALSE(contains(commandLine(), "UseOutlines"));
    EXPECT_TRUE(contains(markFileRead(), "/OUT pdfmark"));
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx", "manual.pdf"}));
}

TEST_F(D2pProducerTest, DistillerFailure) {
    command.search.ghostscript = [] { return false; };
    command.search.distiller = [this] {
        producer_paths().distiller = tmp.file("acro/acrodist");
        return true;
    };
    env.exitCode = 2;
    EXPECT_EQ(runCommand({"-p", "Folivane", document}), -14);
    EXPECT_TRUE(host.printed(230));
    EXPECT_EQ(files(), (std::set<std::string>{"manual.docx"}));
}

}  // namespace
}  // namespace vane
