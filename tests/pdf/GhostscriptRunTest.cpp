// Runs the real Ghostscript on a small mark file and reads the PDF back.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <memory>

#include "TempDir.h"
#include "TestHost.h"
#include "discovery/ProducerPaths.h"
#include "discovery/ToolDiscovery.h"
#include "frame/FileUtil.h"
#include "pdf/CompletePdf.h"
#include "pdf/ProducerRun.h"

namespace vane {
namespace {

// Outline marks and a document title in front of one page of text, the way
// a mark file holds them.
const char* const kMarkFile =
    "%!PS-Adobe-3.0\n"
    "[ /Title (Folivane producer test) /DOCINFO pdfmark\n"
    "[ /Title (Chapter One) /Page 1 /View [ /XYZ 72 720 0 ] /OUT pdfmark\n"
    "[ /Rect [ 72 690 300 710 ] /Border [ 0 0 0 ] /Page 1 /View [ /XYZ 72 720 0 ] /Subtype /Link /ANN "
    "pdfmark\n"
    "/Helvetica findfont 18 scalefont setfont\n"
    "72 700 moveto (Chapter One begins here) show\n"
    "showpage\n";

std::string capture(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return out;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
    return out;
}

// The value of one "Name:   value" line of pdfinfo's report.
std::string info_field(const std::string& info, const std::string& name) {
    const std::size_t at = info.find("\n" + name + ":");
    if (at == std::string::npos) return {};
    const std::size_t start = info.find_first_not_of(' ', at + name.size() + 2);
    return info.substr(start, info.find('\n', start) - start);
}

class GhostscriptRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!find_ghostscript()) GTEST_SKIP() << "gs is not installed";
        ps_ = dir_.file("doc.pdf.ps_2.ps");
        pdf_ = dir_.file("doc.pdf");
        test::write_text(ps_, kMarkFile);
    }
    test::TestHost host_;
    test::TempDir dir_;
    std::string ps_, pdf_;
};

TEST_F(GhostscriptRunTest, MakesAPdfWithTheMarksApplied) {
    ASSERT_TRUE(runGhostscript(ps_, pdf_, "", true));
    ASSERT_TRUE(file_exists(pdf_.c_str()));
    EXPECT_TRUE(file_exists(ps_.c_str()));
    const std::string info = "\n" + capture("pdfinfo '" + pdf_ + "'");
    EXPECT_EQ(info_field(info, "Title"), "Folivane producer test") << info;
    EXPECT_EQ(info_field(info, "Pages"), "1") << info;
    EXPECT_NE(capture("pdftotext '" + pdf_ + "' -").find("Chapter One begins here"), std::string::npos);
    // The outline and the open-with-outline request reach the catalogue.
    const std::string catalog = capture("qpdf --qdf --object-streams=disable '" + pdf_ + "' -");
    EXPECT_NE(catalog.find("/PageMode /UseOutlines"), std::string::npos);
    EXPECT_NE(catalog.find("/Outlines"), std::string::npos);
    EXPECT_NE(catalog.find("(Chapter One)"), std::string::npos);
}

// A printer driver names the print job in the printed file's header comments
// (%%Title), and the producer keeps the last title it reads: the document's
// own title holds only when its mark comes again after the printed pages.
TEST_F(GhostscriptRunTest, TheDocumentTitleOutlastsThePrintJobName) {
    const std::string printed =
        "%!PS-Adobe-3.0\n%%Title: Microsoft Word - doc_fv.docx\n%%Pages: 1\n%%EndComments\n"
        "%%Page: 1 1\n/Helvetica findfont 12 scalefont setfont 72 700 moveto (Text) show\nshowpage\n%%EOF\n";
    const std::string info = "[ /Title (Annual report) /Author (A. Writer) /DOCINFO pdfmark\r\n";
    const struct {
        bool closingMark;
        const char* title;
    } cases[] = {{true, "Annual report"}, {false, "Microsoft Word - doc_fv.docx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.closingMark);
        test::write_text(ps_, info + printed + (c.closingMark ? info : std::string()));
        ASSERT_TRUE(runGhostscript(ps_, pdf_, "", false));
        const std::string report = "\n" + capture("pdfinfo '" + pdf_ + "'");
        EXPECT_EQ(info_field(report, "Title"), c.title) << report;
        EXPECT_EQ(info_field(report, "Author"), "A. Writer") << report;
    }
}

TEST_F(GhostscriptRunTest, AJobFileAddsItsArguments) {
    const std::string job = dir_.file("job options.txt");
    test::write_text(job, "-dCompatibilityLevel=1.4\n");
    ASSERT_TRUE(runGhostscript(ps_, pdf_, job, false));
    const std::string info = "\n" + capture("pdfinfo '" + pdf_ + "'");
    EXPECT_EQ(info_field(info, "PDF version"), "1.4") << info;
    EXPECT_EQ(capture("qpdf --qdf --object-streams=disable '" + pdf_ + "' -").find("/UseOutlines"),
              std::string::npos);
}

// Ghostscript ends with 0 when the disk fills as it closes the PDF (it writes
// the fonts and the trailer last and only prints an I/O error), leaving a PDF
// without trailer. The producer step must see that and fail. The one-page PDF
// takes about 7 KB; the disk here holds 4 KB. Needs root for the tmpfs.
TEST_F(GhostscriptRunTest, AFullDiskIsAFailureThoughGhostscriptEndsWithZero) {
    const std::string mount = dir_.file("full");
    std::filesystem::create_directories(mount);
    if (std::system(("mount -t tmpfs -o size=4k tmpfs '" + mount + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    struct Unmount {
        std::string path;
        ~Unmount() { (void)std::system(("umount '" + path + "'").c_str()); }
    } unmount{mount};
    const std::string pdf = mount + "/doc.pdf";

    const bool exitedWithZero = runGhostscript(ps_, pdf, "", false);
    RecordProperty("ghostscript_exit_zero", exitedWithZero ? "yes" : "no");
    ASSERT_TRUE(file_exists(pdf.c_str()));
    EXPECT_FALSE(is_complete_pdf(pdf));
    EXPECT_EQ(make_pdf(PdfProducer::Ghostscript, ps_, pdf, "", false), -13);
    EXPECT_TRUE(host_.printed(169));
}

TEST_F(GhostscriptRunTest, BrokenPostScriptFails) {
    test::write_text(ps_, "%!PS\nundefinedoperatorhere\n");
    EXPECT_FALSE(runGhostscript(ps_, pdf_, "", false));
}

TEST_F(GhostscriptRunTest, AMissingProgramFails) {
    producer_paths().ghostscript = dir_.file("no-such-gs");
    EXPECT_FALSE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_FALSE(file_exists(pdf_.c_str()));
}

}  // namespace
}  // namespace vane
