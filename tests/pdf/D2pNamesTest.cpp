#include <gtest/gtest.h>
#include "frame/Options.h"

#include <string>
#include <vector>

#include "TempDir.h"
#include "pdf/D2pNames.h"

namespace vane {
namespace {

using test::TempDir;
using test::write_text;

struct OperandCase {
    std::vector<std::string> args;  // after the command name
    std::string operand;
};

TEST(D2pOperand, FirstArgumentThatIsNoOptionNorValue) {
    const OperandCase cases[] = {
        {{"doc.docx"}, "doc.docx"},
        {{"-v", "-p", "Folivane", "-d", "3", "-l", "-k", "doc.docx"}, "doc.docx"},
        {{"-k", "-l", "-s", "-v", "-w", "doc.docx"}, "doc.docx"},
        {{"-a", "doc.docx"}, "doc.docx"},
        {{"-a", "-r", "-d", "3", "doc.docx"}, "doc.docx"},
        // A valued option takes the next argument even when it looks like a path.
        {{"-o", "out.pdf", "doc.docx"}, "doc.docx"},
        {{"-x", "value", "doc.docx"}, "doc.docx"},
        // ...unless that argument starts with '-'.
        {{"-p", "-v", "doc.docx"}, "doc.docx"},
        // A valued option as the last argument leaves no document.
        {{"doc.docx", "-o"}, "doc.docx"},
        {{"-v", "-o"}, ""},
        {{"-p", "Folivane"}, ""},
        {{}, ""},
        {{"-d", "2", "first.doc", "second.doc"}, "first.doc"},
        // "-" alone counts as a valued option.
        {{"-", "value", "doc.docx"}, "doc.docx"},
    };
    for (const OperandCase& c : cases) {
        std::string trace = "d2p";
        for (const std::string& a : c.args) trace += " " + a;
        SCOPED_TRACE(trace);
        std::vector<std::string> all = {"d2p"};
        all.insert(all.end(), c.args.begin(), c.args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        EXPECT_EQ(find_d2p_operand(static_cast<int>(all.size()), argv.data()), c.operand);
    }
}

TEST(D2pOperand, LeadingLevel) {
    const std::pair<const char*, int> cases[] = {{"3", 3}, {"7", 7},  {"-1", -1}, {"2x", 2},   {"x2", 0},
                                                 {"", 0},  {"+4", 4}, {"0", 0},   {nullptr, 0}};
    for (const auto& [text, level] : cases) {
        SCOPED_TRACE(text == nullptr ? "(null)" : text);
        EXPECT_EQ(leading_int(text), level);
    }
    // A huge value stays out of range instead of wrapping into it.
    EXPECT_GT(leading_int("99999999999999999999"), 6);
}

struct NamesCase {
    const char* name;
    std::string operand, output, job;
    std::string document, workingCopy, pdf, markFile, jobPath;
};

TEST(D2pNames, DerivedFromOperandAndOptions) {
    const std::string cwd = "/home/user/work";
    const NamesCase cases[] = {
        {"absolute document", "/d/report.docx", "", "", "/d/report.docx", "/d/report_fv.docx",
         "/d/report.pdf", "/d/report.pdf.ps_2.ps", ""},
        {"relative document", "report.doc", "", "", cwd + "/report.doc", cwd + "/report_fv.doc",
         cwd + "/report.pdf", cwd + "/report.pdf.ps_2.ps", ""},
        {"relative with folder", "sub/report.doc", "", "", cwd + "/sub/report.doc",
         cwd + "/sub/report_fv.doc", cwd + "/sub/report.pdf", cwd + "/sub/report.pdf.ps_2.ps", ""},
        {"no extension", "/d/report", "", "", "/d/report", "/d/report_fv", "/d/report.pdf",
         "/d/report.pdf.ps_2.ps", ""},
        {"last dot only", "/d/my.report.docx", "", "", "/d/my.report.docx", "/d/my.report_fv.docx",
         "/d/my.report.pdf", "/d/my.report.pdf.ps_2.ps", ""},
        {"dot in a folder name", "/d/v1.2/report", "", "", "/d/v1.2/report", "/d/v1.2/report_fv",
         "/d/v1.2/report.pdf", "/d/v1.2/report.pdf.ps_2.ps", ""},
        {"output and job relative", "/d/a.doc", "out/x.pdf", "job.txt", "/d/a.doc", "/d/a_fv.doc",
         cwd + "/out/x.pdf", cwd + "/out/x.pdf.ps_2.ps", cwd + "/job.txt"},
        {"output absolute", "/d/a.doc", "/o/x", "/j/s.joboptions", "/d/a.doc", "/d/a_fv.doc", "/o/x",
         "/o/x.ps_2.ps", "/j/s.joboptions"},
        // The output would replace the document: it goes beside it instead.
        {"document named .pdf", "/d/a.pdf", "", "", "/d/a.pdf", "/d/a_fv.pdf", "/d/a.pdf.pdf",
         "/d/a.pdf.pdf.ps_2.ps", ""},
        {"output is the document", "/d/a.doc", "/d/a.doc", "", "/d/a.doc", "/d/a_fv.doc", "/d/a.doc.pdf",
         "/d/a.doc.pdf.ps_2.ps", ""},
        {"mark file is the document", "/d/x.pdf.ps_2.ps", "/d/x.pdf", "", "/d/x.pdf.ps_2.ps",
         "/d/x.pdf.ps_2_fv.ps", "/d/x.pdf", "/d/x.pdf.ps_3.ps", ""},
        // The working copy may not be the output either.
        {"output on the working copy", "/d/a.doc", "/d/a_fv.doc", "", "/d/a.doc", "/d/a_fv2.doc",
         "/d/a_fv.doc", "/d/a_fv.doc.ps_2.ps", ""},
    };
    for (const NamesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const D2pNames n = derive_d2p_names(c.operand, c.output, c.job, cwd);
        EXPECT_EQ(n.document, c.document);
        EXPECT_EQ(n.workingCopy, c.workingCopy);
        EXPECT_EQ(n.pdf, c.pdf);
        EXPECT_EQ(n.markFile, c.markFile);
        EXPECT_EQ(n.job, c.jobPath);
    }
}

TEST(D2pNames, WorkingCopyNeverAnExistingFile) {
    TempDir dir;
    write_text(dir.file("report.docx"), "doc");
    write_text(dir.file("report_fv.docx"), "the user's own file");
    write_text(dir.file("report_fv2.docx"), "another one");

    const D2pNames n = derive_d2p_names(dir.file("report.docx"), "", "", "/");
    EXPECT_EQ(n.workingCopy, dir.file("report_fv3.docx"));
}

TEST(D2pNames, SameFileReachedByAnotherSpelling) {
    TempDir dir;
    write_text(dir.file("a.pdf"), "doc");
    // "-o ./a.pdf" from inside the folder names the document itself.
    const D2pNames n = derive_d2p_names("a.pdf", "./a.pdf", "", dir.path());
    EXPECT_EQ(n.pdf, dir.path() + "/./a.pdf.pdf");
}

}  // namespace
}  // namespace vane
