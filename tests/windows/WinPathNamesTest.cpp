// The Windows path rules and the names d2h and d2p derive from them: "\"
// separators, drive letters, "/" given by the user turned into "\", relative
// paths taken from the current directory, names compared without regard to
// case.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "frame/PathRules.h"
#include "html/D2hNames.h"
#include "pdf/D2pNames.h"

namespace vane {
namespace {

namespace fs = std::filesystem;

TEST(WinPathRules, TheWindowsBuildUsesTheWindowsRules) {
    EXPECT_EQ(PathRules::native().style(), PathRules::Style::Windows);
    EXPECT_EQ(PathRules::native().separator(), '\\');
}

TEST(WinPathRules, AbsoluteFromTheCurrentDirectory) {
    struct Case {
        const char* path;
        const char* cwd;
        const char* absolute;
    } const cases[] = {
        {"report.doc", "C:\\work", "C:\\work\\report.doc"},
        {"report.doc", "C:\\", "C:\\report.doc"},
        {"sub\\report.doc", "C:\\work", "C:\\work\\sub\\report.doc"},
        {"sub/report.doc", "C:\\work", "C:\\work\\sub\\report.doc"},
        {"C:\\d\\report.doc", "D:\\work", "C:\\d\\report.doc"},
        {"c:/d/report.doc", "D:\\work", "c:\\d\\report.doc"},
        {"\\d\\report.doc", "D:\\work", "D:\\d\\report.doc"},
        {"/d/report.doc", "D:\\work", "D:\\d\\report.doc"},
        {"\\d\\report.doc", "\\\\server\\share\\work", "\\\\server\\share\\d\\report.doc"},
        {"\\\\server\\share\\report.doc", "C:\\work", "\\\\server\\share\\report.doc"},
        {"//server/share/report.doc", "C:\\work", "\\\\server\\share\\report.doc"},
        {"c:report.doc", "C:\\work", "C:\\work\\report.doc"},
        {"D:report.doc", "C:\\work", "D:\\report.doc"},
        {"..\\report.doc", "C:\\work", "C:\\work\\..\\report.doc"},
        {"", "C:\\work", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " in " + c.cwd);
        EXPECT_EQ(PathRules::windows().absolute(c.path, c.cwd), c.absolute);
    }
}

TEST(WinPathRules, RootsAndTrailingSeparators) {
    struct Case {
        const char* path;
        bool absolute;
        bool root;
        const char* trimmed;
        const char* fileName;
    } const cases[] = {
        {"C:\\", true, true, "C:\\", ""},
        {"C:\\out\\\\", true, false, "C:\\out", ""},
        {"C:", false, false, "C:", "C:"},
        {"C:out", false, false, "C:out", "C:out"},
        {"\\", true, true, "\\", ""},
        {"\\\\server\\share\\", true, true, "\\\\server\\share", ""},
        {"\\\\server\\share\\a.doc", true, false, "\\\\server\\share\\a.doc", "a.doc"},
        {"out\\", false, false, "out", ""},
        {"C:\\d\\v1.2\\a.doc", true, false, "C:\\d\\v1.2\\a.doc", "a.doc"},
        {"C:\\d/a.doc", true, false, "C:\\d/a.doc", "a.doc"},
    };
    const PathRules& rules = PathRules::windows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(rules.isAbsolute(c.path), c.absolute);
        EXPECT_EQ(rules.isRoot(c.path), c.root);
        EXPECT_EQ(rules.withoutTrailingSeparators(c.path), c.trimmed);
        EXPECT_EQ(rules.fileName(c.path), c.fileName);
    }
    EXPECT_TRUE(rules.sameSpelling("C:\\Docs\\A.DOC", "c:\\docs\\a.doc"));
    EXPECT_FALSE(rules.sameSpelling("C:\\docs\\a.doc", "C:\\docs\\a.docx"));
}

// The same questions under the POSIX rules: "\" is an ordinary character.
TEST(WinPathRules, PosixRulesKeepBackslashesAndCase) {
    const PathRules& rules = PathRules::posix();
    EXPECT_EQ(rules.absolute("a\\b.doc", "/cwd"), "/cwd/a\\b.doc");
    EXPECT_EQ(rules.absolute("sub/b.doc", "/"), "/sub/b.doc");
    EXPECT_EQ(rules.absolute("/d/b.doc", "/cwd"), "/d/b.doc");
    EXPECT_EQ(rules.fileName("/d/a\\b.doc"), "a\\b.doc");
    EXPECT_EQ(rules.withoutTrailingSeparators("///"), "/");
    EXPECT_TRUE(rules.isRoot("/"));
    EXPECT_FALSE(rules.isAbsolute("C:\\d"));
    EXPECT_FALSE(rules.sameSpelling("/d/A.doc", "/d/a.doc"));
}

TEST(WinD2hNames, DerivesEveryNameTheWindowsWay) {
    struct Case {
        const char* operand;
        const char* output;
        const char *document, *dir, *base, *work, *site, *full;
    } const cases[] = {
        {"C:\\docs\\manual.docx", "", "C:\\docs\\manual.docx", "C:\\docs\\manual", "manual",
         "C:\\docs\\manual\\manual.doc", "C:\\docs\\manual\\manual.html", "C:\\docs\\manual\\manual_full.html"},
        {"manual.doc", "", "C:\\work\\manual.doc", "C:\\work\\manual", "manual",
         "C:\\work\\manual\\manual.doc", "C:\\work\\manual\\manual.html", "C:\\work\\manual\\manual_full.html"},
        {"C:/docs/manual.docx", "D:/out/", "C:\\docs\\manual.docx", "D:\\out", "manual", "D:\\out\\manual.doc",
         "D:\\out\\manual.html", "D:\\out\\manual_full.html"},
        {"sub/My.Report.docx", "site\\\\", "C:\\work\\sub\\My.Report.docx", "C:\\work\\site", "My.Report",
         "C:\\work\\site\\My.Report.doc", "C:\\work\\site\\My.Report.html",
         "C:\\work\\site\\My.Report_full.html"},
        {"\\docs\\a.doc", "", "C:\\docs\\a.doc", "C:\\docs\\a", "a", "C:\\docs\\a\\a.doc", "C:\\docs\\a\\a.html",
         "C:\\docs\\a\\a_full.html"},
        {"C:\\v1.2\\noext", "", "C:\\v1.2\\noext", "C:\\v1.2\\noext", "noext", "C:\\v1.2\\noext\\noext.doc",
         "C:\\v1.2\\noext\\noext.html", "C:\\v1.2\\noext\\noext_full.html"},
        // The root of a drive stays a root: no "C:" that would mean the current directory of C.
        {"C:\\docs\\manual.docx", "C:\\", "C:\\docs\\manual.docx", "C:\\", "manual", "C:\\manual.doc",
         "C:\\manual.html", "C:\\manual_full.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.operand) + " -o " + c.output);
        const D2hNames n = derive_d2h_names(c.operand, c.output, "C:\\work");
        EXPECT_EQ(n.document, c.document);
        EXPECT_EQ(n.outputDirectory, c.dir);
        EXPECT_EQ(n.baseName, c.base);
        EXPECT_EQ(n.workingCopy, c.work);
        EXPECT_EQ(n.sitePage, c.site);
        EXPECT_EQ(n.fullHtml, c.full);
    }
}

TEST(WinD2hNames, SiteCopiesAreSpelledInLowerCase) {
    struct Case {
        const char* operand;
        const char* output;
        const char* index;
        const char* htm;
    } const cases[] = {
        {"C:\\Docs\\Manual.docx", "", "c:\\docs\\manual\\index.html", "c:\\docs\\manual\\manual.htm"},
        // A document named "index" is its own index page, whatever its case.
        {"C:\\Docs\\INDEX.docx", "C:\\Out", "", "c:\\out\\index.htm"},
        {"C:\\docs\\a.html.docx", "C:\\out", "c:\\out\\index.html", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operand);
        const D2hNames n = derive_d2h_names(c.operand, c.output, "C:\\work");
        EXPECT_EQ(index_copy_path(n), c.index);
        EXPECT_EQ(htm_copy_path(n), c.htm);
    }
}

TEST(WinD2hNames, TheWorkingCopyIsNeverTheDocumentWhateverTheCase) {
    test::TempDir tmp;
    const std::string dir = fs::path(tmp.path()).make_preferred().string();
    test::write_text(dir + "\\Manual.DOC", "original");
    const D2hNames n = derive_d2h_names(dir + "\\Manual.DOC", dir, "C:\\work");
    EXPECT_EQ(n.workingCopy, dir + "\\Manual_work.doc");
    EXPECT_TRUE(n.outputHoldsDocument);

    // The same folder spelt with "/" and in other case.
    std::string other = tmp.path();
    for (char& c : other) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const D2hNames m = derive_d2h_names(dir + "/manual.doc", other + "/", "C:\\work");
    EXPECT_EQ(m.document, dir + "\\manual.doc");
    EXPECT_NE(m.workingCopy, m.document);
    EXPECT_TRUE(m.outputHoldsDocument);
}

TEST(WinD2pNames, DerivesEveryNameTheWindowsWay) {
    const std::string cwd = "C:\\Users\\me\\work";
    struct Case {
        const char* name;
        std::string operand, output, job;
        std::string document, workingCopy, pdf, markFile, jobPath;
    } const cases[] = {
        {"absolute document", "C:\\d\\report.docx", "", "", "C:\\d\\report.docx", "C:\\d\\report_fv.docx",
         "C:\\d\\report.pdf", "C:\\d\\report.pdf.ps_2.ps", ""},
        {"relative document", "report.doc", "", "", cwd + "\\report.doc", cwd + "\\report_fv.doc",
         cwd + "\\report.pdf", cwd + "\\report.pdf.ps_2.ps", ""},
        {"relative with a folder", "sub/report.doc", "", "", cwd + "\\sub\\report.doc",
         cwd + "\\sub\\report_fv.doc", cwd + "\\sub\\report.pdf", cwd + "\\sub\\report.pdf.ps_2.ps", ""},
        {"slashes and no extension", "C:/d/report", "", "", "C:\\d\\report", "C:\\d\\report_fv",
         "C:\\d\\report.pdf", "C:\\d\\report.pdf.ps_2.ps", ""},
        {"dot in a folder name", "C:\\d\\v1.2\\report", "", "", "C:\\d\\v1.2\\report",
         "C:\\d\\v1.2\\report_fv", "C:\\d\\v1.2\\report.pdf", "C:\\d\\v1.2\\report.pdf.ps_2.ps", ""},
        {"output and job relative", "C:\\d\\a.doc", "out/x.pdf", "job.txt", "C:\\d\\a.doc", "C:\\d\\a_fv.doc",
         cwd + "\\out\\x.pdf", cwd + "\\out\\x.pdf.ps_2.ps", cwd + "\\job.txt"},
        {"output on another drive, job on this one", "C:\\d\\a.doc", "D:/o/x", "\\j\\s.joboptions",
         "C:\\d\\a.doc", "C:\\d\\a_fv.doc", "D:\\o\\x", "D:\\o\\x.ps_2.ps", "C:\\j\\s.joboptions"},
        // The output would replace the document: names that differ only in case are one file.
        {"document named .PDF", "C:\\d\\A.PDF", "", "", "C:\\d\\A.PDF", "C:\\d\\A_fv.PDF", "C:\\d\\A.pdf.pdf",
         "C:\\d\\A.pdf.pdf.ps_2.ps", ""},
        {"output is the document in other case", "C:\\d\\a.doc", "c:/D/A.DOC", "", "C:\\d\\a.doc",
         "C:\\d\\a_fv.doc", "c:\\D\\A.DOC.pdf", "c:\\D\\A.DOC.pdf.ps_2.ps", ""},
        {"output on the working copy", "C:\\d\\a.doc", "C:\\d\\A_FV.doc", "", "C:\\d\\a.doc",
         "C:\\d\\a_fv2.doc", "C:\\d\\A_FV.doc", "C:\\d\\A_FV.doc.ps_2.ps", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const D2pNames n = derive_d2p_names(c.operand, c.output, c.job, cwd);
        EXPECT_EQ(n.document, c.document);
        EXPECT_EQ(n.workingCopy, c.workingCopy);
        EXPECT_EQ(n.pdf, c.pdf);
        EXPECT_EQ(n.markFile, c.markFile);
        EXPECT_EQ(n.job, c.jobPath);
    }
}

TEST(WinD2pNames, WorkingCopyNeverAnExistingFileWhateverTheCase) {
    test::TempDir tmp;
    const std::string dir = fs::path(tmp.path()).make_preferred().string();
    test::write_text(dir + "\\report.docx", "doc");
    test::write_text(dir + "\\REPORT_FV.DOCX", "the user's own file");
    const D2pNames n = derive_d2p_names(dir + "/report.docx", "", "", "C:\\work");
    EXPECT_EQ(n.document, dir + "\\report.docx");
    EXPECT_EQ(n.workingCopy, dir + "\\report_fv2.docx");
}

}  // namespace
}  // namespace vane
