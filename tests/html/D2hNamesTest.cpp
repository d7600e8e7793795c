#include "html/D2hNames.h"
#include "frame/Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"

namespace vane {
namespace {

struct Args {
    explicit Args(std::vector<std::string> a) : args(std::move(a)) {
        for (std::string& s : args) ptrs.push_back(s.data());
        ptrs.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(args.size()); }
    char** argv() { return ptrs.data(); }
    std::vector<std::string> args;
    std::vector<char*> ptrs;
};

TEST(D2hOperand, ScanSkipsFlagsAndOptionValues) {
    struct Case {
        std::vector<std::string> args;
        const char* operand;
    } const cases[] = {
        {{"d2h", "doc.docx"}, "doc.docx"},
        {{"d2h", "-v", "-e", "-m", "-p", "150", "-d", "3", "-k", "0", "doc.docx"}, "doc.docx"},
        {{"d2h", "-a", "doc.docx"}, "doc.docx"},
        {{"d2h", "-z", "doc.docx"}, "doc.docx"},        // z takes no value
        {{"d2h", "-d", "doc.docx"}, ""},                // the path is d's value
        {{"d2h", "-d"}, ""},
        {{"d2h", "-d", "-v", "doc.docx"}, "doc.docx"},  // d has no value here
        {{"d2h", "-o", "out", "a.doc", "b.doc"}, "a.doc"},
        {{"d2h"}, ""},
        {{"d2h", "-s", "-w", "-x"}, ""},
    };
    for (const Case& c : cases) {
        Args a(c.args);
        std::string trace;
        for (const std::string& s : c.args) trace += s + " ";
        SCOPED_TRACE(trace);
        EXPECT_EQ(find_d2h_operand(a.argc(), a.argv()), c.operand);
    }
}

TEST(D2hOperand, LeadingInt) {
    struct Case {
        const char* text;
        int value;
    } const cases[] = {{"3", 3}, {"-1", -1}, {"+2", 2}, {"7x", 7}, {"x7", 0}, {"", 0}, {" 3", 0}, {"06", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leading_int(c.text), c.value);
    }
}

TEST(D2hNames, DerivesEveryName) {
    struct Case {
        const char* operand;
        const char* output;
        const char* dir, *base, *work, *site, *full;
    } const cases[] = {
        {"/docs/manual.docx", "", "/docs/manual", "manual", "/docs/manual/manual.doc",
         "/docs/manual/manual.html", "/docs/manual/manual_full.html"},
        {"manual.doc", "", "/cwd/manual", "manual", "/cwd/manual/manual.doc", "/cwd/manual/manual.html",
         "/cwd/manual/manual_full.html"},
        {"sub/My.Report.docx", "site/", "/cwd/site", "My.Report", "/cwd/site/My.Report.doc",
         "/cwd/site/My.Report.html", "/cwd/site/My.Report_full.html"},
        {"/docs/manual.docx", "/out//", "/out", "manual", "/out/manual.doc", "/out/manual.html",
         "/out/manual_full.html"},
        {"/docs/noext", "", "/docs/noext", "noext", "/docs/noext/noext.doc", "/docs/noext/noext.html",
         "/docs/noext/noext_full.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operand);
        const D2hNames n = derive_d2h_names(c.operand, c.output, "/cwd");
        EXPECT_EQ(n.outputDirectory, c.dir);
        EXPECT_EQ(n.baseName, c.base);
        EXPECT_EQ(n.workingCopy, c.work);
        EXPECT_EQ(n.sitePage, c.site);
        EXPECT_EQ(n.fullHtml, c.full);
    }
}

TEST(D2hNames, TheWorkingCopyIsNeverTheDocument) {
    test::TempDir dir;
    test::write_text(dir.file("manual.doc"), "original");
    test::write_text(dir.file("manual_work.doc"), "someone else's file");
    const D2hNames n = derive_d2h_names(dir.file("manual.doc"), dir.path(), "/cwd");
    EXPECT_NE(n.workingCopy, n.document);
    EXPECT_EQ(n.workingCopy, dir.file("manual_work.doc"));
    EXPECT_TRUE(n.outputHoldsDocument);

    // Reached through another spelling of the same directory.
    const D2hNames m = derive_d2h_names(dir.file("manual.doc"), dir.path() + "/./", "/cwd");
    EXPECT_NE(m.workingCopy, dir.file("manual.doc"));
    EXPECT_TRUE(m.outputHoldsDocument);

    const D2hNames o = derive_d2h_names(dir.file("manual.doc"), dir.file("site"), "/cwd");
    EXPECT_EQ(o.workingCopy, dir.file("site/manual.doc"));
    EXPECT_FALSE(o.outputHoldsDocument);
}

TEST(D2hNames, SiteCopies) {
    const D2hNames n = derive_d2h_names("/docs/Manual.docx", "", "/cwd");
    EXPECT_EQ(index_copy_path(n), "/docs/Manual/index.html");
    EXPECT_EQ(htm_copy_path(n), "/docs/Manual/Manual.htm");
    // A document named "index" is its own index page, whatever its case.
    const D2hNames idx = derive_d2h_names("/docs/INDEX.docx", "/out", "/cwd");
    EXPECT_EQ(index_copy_path(idx), "");
    EXPECT_EQ(htm_copy_path(idx), "/out/INDEX.htm");
    // A site page whose first ".html" is not its end gets no ".htm" twin.
    const D2hNames odd = derive_d2h_names("/docs/a.html.docx", "/out", "/cwd");
    EXPECT_EQ(odd.sitePage, "/out/a.html.html");
    EXPECT_EQ(htm_copy_path(odd), "");
}

TEST(D2hNames, FramesetPage) {
    EXPECT_EQ(frameset_page("manual", "150", "manual_0.html"),
              "<html>\n<head>\n\t<title>manual\t</title>\n</head>\n"
              "\t<frameset cols=\"150,*\" framespacing=\"1\" border=\"2\">\n"
              "\t\t<frame name=\"index\" target=\"index\" src=\"manual_index.html\" />\n"
              "\t\t<frame name=\"main\" frameborder=\"1\" src=\"manual_0.html\">\n"
              "\t\t<noframes>\n\t\t\t<body>\n\t\t\t\t<p>Your browser should accept frames.</p>\n"
              "\t\t\t</body>\n\t\t</noframes>\n\t</frameset>\n</html>\n");
}

}  // namespace
}  // namespace vane
