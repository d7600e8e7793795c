#include <gtest/gtest.h>

#include <vector>

#include "FakeProducerEnv.h"
#include "pdf/ProducerCommand.h"
#include "platform/CommandLine.h"

namespace vane {
namespace {

const std::string kGs = "C:\\Program Files\\gs\\gs9.05\\bin\\gswin32c.exe";
const std::string kAcro = "C:\\Program Files\\Adobe\\Acrobat 9.0\\Acrobat\\acrodist.exe";
const std::string kPs = "C:\\My Docs\\report.pdf.ps_2.ps";
const std::string kPdf = "C:\\My Docs\\report.pdf";
const std::string kJob = "C:\\My Docs\\job opts.txt";

TEST(ProducerCommandTest, GhostscriptCommandLines) {
    const struct {
        const char* name;
        std::string job;
        bool outline;
        std::string expected;
    } cases[] = {
        {"plain", "", false,
         "\"C:\\Program Files\\gs\\gs9.05\\bin\\gswin32c.exe\" -dBATCH -dSAFER -DNOPAUSE -q "
         "-sDEVICE=pdfwrite "
         "-dPDFSETTINGS=/printer \"-sOutputFile=C:\\My Docs\\report.pdf\" -f \"C:\\My "
         "Docs\\report.pdf.ps_2.ps\""},
        {"job file", kJob, false,
         "\"C:\\Program Files\\gs\\gs9.05\\bin\\gswin32c.exe\" -dBATCH -dSAFER -DNOPAUSE -q "
         "-sDEVICE=pdfwrite "
         "-dPDFSETTINGS=/printer \"-sOutputFile=C:\\My Docs\\report.pdf\"  \"@C:\\My Docs\\job opts.txt\" "
         "-f \"C:\\My Docs\\report.pdf.ps_2.ps\""},
        {"outline", "", true,
         "\"C:\\Program Files\\gs\\gs9.05\\bin\\gswin32c.exe\" -dBATCH -dSAFER -DNOPAUSE -q "
         "-sDEVICE=pdfwrite "
         "-dPDFSETTINGS=/printer \"-sOutputFile=C:\\My Docs\\report.pdf\" "
         "-c \"[ /PageMode /UseOutlines /DOCVIEW pdfmark\" -f \"C:\\My Docs\\report.pdf.ps_2.ps\""},
        {"job file and outline", kJob, true,
         "\"C:\\Program Files\\gs\\gs9.05\\bin\\gswin32c.exe\" -dBATCH -dSAFER -DNOPAUSE -q "
         "-sDEVICE=pdfwrite "
         "-dPDFSETTINGS=/printer \"-sOutputFile=C:\\My Docs\\report.pdf\"  \"@C:\\My Docs\\job opts.txt\" "
         "-c \"[ /PageMode /UseOutlines /DOCVIEW pdfmark\" -f \"C:\\My Docs\\report.pdf.ps_2.ps\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ghostscript_command_line(kGs, kPs, kPdf, c.job, c.outline), c.expected);
    }
}

TEST(ProducerCommandTest, DistillerCommandLines) {
    EXPECT_EQ(distiller_command_line(kAcro, kPs, kPdf, ""),
              "\"C:\\Program Files\\Adobe\\Acrobat 9.0\\Acrobat\\acrodist.exe\" /N /Q /O "
              "\"C:\\My Docs\\report.pdf\" \"C:\\My Docs\\report.pdf.ps_2.ps\"");
    EXPECT_EQ(
        distiller_command_line(kAcro, kPs, kPdf, kJob),
        "\"C:\\Program Files\\Adobe\\Acrobat 9.0\\Acrobat\\acrodist.exe\" /N /Q /O "
        "\"C:\\My Docs\\report.pdf\" /J \"C:\\My Docs\\job opts.txt\" \"C:\\My Docs\\report.pdf.ps_2.ps\"");
}

// The program sees each quoted path as one argument, spaces and backslashes intact.
TEST(ProducerCommandTest, TheCommandLineSplitsIntoTheIntendedArguments) {
    const std::vector<std::string> gs = {kGs,
                                         "-dBATCH",
                                         "-dSAFER",
                                         "-DNOPAUSE",
                                         "-q",
                                         "-sDEVICE=pdfwrite",
                                         "-dPDFSETTINGS=/printer",
                                         "-sOutputFile=" + kPdf,
                                         "@" + kJob,
                                         "-c",
                                         "[ /PageMode /UseOutlines /DOCVIEW pdfmark",
                                         "-f",
                                         kPs};
    EXPECT_EQ(split_command_line(ghostscript_command_line(kGs, kPs, kPdf, kJob, true)), gs);
    const std::vector<std::string> acro = {kAcro, "/N", "/Q", "/O", kPdf, "/J", kJob, kPs};
    EXPECT_EQ(split_command_line(distiller_command_line(kAcro, kPs, kPdf, kJob)), acro);
}

// File names that the Windows splitting rules would otherwise take apart
// (quotes, backslashes before them) and that Ghostscript would read as a page
// number format ("%") reach the producer unchanged.
TEST(ProducerCommandTest, AwkwardFileNamesReachTheProducerUnchanged) {
    const struct {
        std::string pdf;
        std::string gsOutput;  // as Ghostscript must be given it
    } cases[] = {
        {"/tmp/say \"hi\" it's.pdf", "/tmp/say \"hi\" it's.pdf"},
        {"/tmp/trail\\\".pdf", "/tmp/trail\\\".pdf"},
        {"/tmp/100% done %d.pdf", "/tmp/100%% done %%d.pdf"},
        {"/tmp/\xc3\xa9l\xc3\xa8ve.pdf", "/tmp/\xc3\xa9l\xc3\xa8ve.pdf"},
    };
    for (const auto& c : cases) {
        const std::string& pdf = c.pdf;
        SCOPED_TRACE(pdf);
        const std::string ps = pdf + ".ps_2.ps";
        const std::vector<std::string> gs =
            split_command_line(ghostscript_command_line(kGs, ps, pdf, pdf, false));
        ASSERT_EQ(gs.size(), 11u);
        EXPECT_EQ(gs[7], "-sOutputFile=" + c.gsOutput);
        EXPECT_EQ(gs[8], "@" + pdf);
        EXPECT_EQ(gs[10], ps);
        const std::vector<std::string> acro = {kAcro, "/N", "/Q", "/O", pdf, "/J", pdf, ps};
        EXPECT_EQ(split_command_line(distiller_command_line(kAcro, ps, pdf, pdf)), acro);
    }
}

TEST(ProducerCommandTest, TheWorkingDirectoryIsTheProgramsFolder) {
    test::FakeProducerEnv fake;
    fake.cwd = "/home/user";
    set_env(&fake);
    const struct {
        const char* program;
        const char* cwd;
        const char* expected;
    } cases[] = {
        {"/usr/bin/gs", "/home/user", "/usr/bin/"},
        {"/gs", "/home/user", "/"},
        {"gs", "/home/user", "/home/user/"},
        {"gs", "/", "/"},
        {"gs", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + std::string(" in ") + c.cwd);
        fake.cwd = c.cwd;
        EXPECT_EQ(producer_working_directory(c.program), c.expected);
    }
    set_env(nullptr);
}

TEST(ProducerCommandTest, TheDistillerLogSitsBesideThePdf) {
    const struct {
        const char* pdf;
        const char* log;
    } cases[] = {
        {"/out/report.pdf", "/out/report.log"},
        {"/out/report", "/out/report.log"},
        {"/out/report.v2.pdf", "/out/report.v2.log"},
        {"/out/v1.2/report", "/out/v1.2/report.log"},
        {"C:\\out\\v1.2\\report", "C:\\out\\v1.2\\report.log"},
        {"report.pdf", "report.log"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pdf);
        EXPECT_EQ(distiller_log_path(c.pdf), c.log);
    }
}

}  // namespace
}  // namespace vane
