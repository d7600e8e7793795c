#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "FakeProducerEnv.h"
#include "MinimalPdf.h"
#include "TempDir.h"
#include "TestHost.h"
#include "discovery/ProducerPaths.h"
#include "frame/FileUtil.h"
#include "frame/LibraryState.h"
#include "pdf/ProducerCommand.h"
#include "pdf/ProducerRun.h"

namespace vane {
namespace {

class ProducerRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        set_env(&fake_);
        producer_paths() = {"/opt/gs/bin/gs", "/opt/acrobat/acrodist"};
        ps_ = dir_.file("doc.pdf.ps_2.ps");
        pdf_ = dir_.file("doc.pdf");
        log_ = dir_.file("doc.log");
        // Each producer run leaves a whole PDF unless a test says otherwise.
        fake_.outputFile = pdf_;
        fake_.outputBytes = test::minimal_pdf();
    }
    void TearDown() override { set_env(nullptr); }

    test::TestHost host_;
    test::FakeProducerEnv fake_;
    test::TempDir dir_;
    std::string ps_, pdf_, log_;
};

TEST_F(ProducerRunTest, GhostscriptStartsInItsFolderWithItsCommandLine) {
    EXPECT_TRUE(runGhostscript(ps_, pdf_, "", true));
    ASSERT_EQ(fake_.starts.size(), 1u);
    EXPECT_EQ(fake_.starts[0].commandLine, ghostscript_command_line("/opt/gs/bin/gs", ps_, pdf_, "", true));
    EXPECT_EQ(fake_.starts[0].workingDirectory, "/opt/gs/bin/");
}

TEST_F(ProducerRunTest, DistillerStartsInItsFolderWithItsCommandLine) {
    EXPECT_TRUE(runDistiller(ps_, pdf_, "/jobs/a.joboptions"));
    ASSERT_EQ(fake_.starts.size(), 1u);
    EXPECT_EQ(fake_.starts[0].commandLine,
              distiller_command_line("/opt/acrobat/acrodist", ps_, pdf_, "/jobs/a.joboptions"));
    EXPECT_EQ(fake_.starts[0].workingDirectory, "/opt/acrobat/");
}

TEST_F(ProducerRunTest, OnlyExitCodeZeroIsSuccess) {
    const struct {
        int exitCode;
        bool ok;
    } cases[] = {{0, true}, {1, false}, {255, false}, {-1, false}, {259, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exitCode);
        fake_.exitCode = c.exitCode;
        EXPECT_EQ(runGhostscript(ps_, pdf_, "", false), c.ok);
        EXPECT_EQ(runDistiller(ps_, pdf_, ""), c.ok);
    }
}

TEST_F(ProducerRunTest, ARunningProducerIsPolledEvery200Milliseconds) {
    fake_.runningPolls = 4;
    fake_.exitCode = 0;
    EXPECT_TRUE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_EQ(fake_.polls, 5);
    EXPECT_EQ(fake_.sleeps, std::vector<int>(4, 200));
}

TEST_F(ProducerRunTest, AProducerThatCannotStartFailsQuietly) {
    fake_.startable = false;
    state().verbose = true;
    EXPECT_FALSE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_FALSE(runDistiller(ps_, pdf_, ""));
    EXPECT_NE(host_.output().find("\r\nGhostScript command line: \""), std::string::npos);
    EXPECT_NE(host_.output().find("\r\nDistiller command line: \""), std::string::npos);
    for (int id : {180, 181, 177, 178, 169, 230}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(host_.printed(id));
    }
    EXPECT_TRUE(fake_.sleeps.empty());
}

TEST_F(ProducerRunTest, VerboseRunsNameTheCommandLineAndTheWait) {
    state().verbose = true;
    ASSERT_TRUE(runGhostscript(ps_, pdf_, "", false));
    const std::string gsLine = ghostscript_command_line("/opt/gs/bin/gs", ps_, pdf_, "", false);
    EXPECT_EQ(host_.output(), "\r\nGhostScript command line: " + gsLine +
                                  "\r\nWaiting for GhostScript to end...\r\nGhostScript has finished");
    host_.clear();
    ASSERT_TRUE(runDistiller(ps_, pdf_, ""));
    const std::string acroLine = distiller_command_line("/opt/acrobat/acrodist", ps_, pdf_, "");
    EXPECT_EQ(host_.output(), "\r\nDistiller command line: " + acroLine +
                                  "\r\nWaiting for distiller to end...\r\nDistiller has finished");
}

TEST_F(ProducerRunTest, QuietRunsPrintNothing) {
    EXPECT_TRUE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_TRUE(runDistiller(ps_, pdf_, ""));
    EXPECT_EQ(host_.output(), "");
}

TEST_F(ProducerRunTest, DistillerLeavesNoLogBesideThePdf) {
    for (int exitCode : {0, 3}) {
        SCOPED_TRACE(exitCode);
        test::write_text(log_, "distiller log");
        fake_.exitCode = exitCode;
        EXPECT_EQ(runDistiller(ps_, pdf_, ""), exitCode == 0);
        EXPECT_FALSE(file_exists(log_.c_str()));
    }
}

TEST_F(ProducerRunTest, GhostscriptDoesNotTouchALogFile) {
    test::write_text(log_, "someone's log");
    EXPECT_TRUE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_EQ(test::read_file(log_), "someone's log");
}

TEST_F(ProducerRunTest, NeitherRunnerDeletesThePostScript) {
    test::write_text(ps_, "%!PS\n");
    EXPECT_TRUE(runGhostscript(ps_, pdf_, "", false));
    EXPECT_TRUE(runDistiller(ps_, pdf_, ""));
    EXPECT_TRUE(file_exists(ps_.c_str()));
}

TEST_F(ProducerRunTest, MakePdfAnnouncesRunsAndReports) {
    const struct {
        const char* name;
        PdfProducer producer;
        int exitCode;
        int result;
        int failureMessage;
    } cases[] = {
        {"ghostscript ok", PdfProducer::Ghostscript, 0, 0, 0},
        {"ghostscript fails", PdfProducer::Ghostscript, 1, -13, 169},
        {"distiller ok", PdfProducer::Distiller, 0, 0, 0},
        {"distiller fails", PdfProducer::Distiller, 1, -14, 230},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host_.clear();
        fake_.exitCode = c.exitCode;
        EXPECT_EQ(make_pdf(c.producer, ps_, pdf_, "", true), c.result);
        EXPECT_TRUE(host_.printed(168));
        for (int id : {169, 230}) EXPECT_EQ(host_.printed(id), id == c.failureMessage) << id;
    }
}

// A producer that ends with 0 but leaves no whole PDF (a full disk while it
// wrote, a killed run) has failed: its message and result, as for a non-zero exit.
TEST_F(ProducerRunTest, MakePdfFailsOnAnOutputThatIsNotAWholePdf) {
    const std::string whole = test::minimal_pdf(2);
    std::string pageCutOut = whole;
    pageCutOut.replace(pageCutOut.find("4 0 obj"), 7, "4 0 xbj");
    const struct {
        const char* name;
        std::string bytes;
        bool written;
        bool frameShowsIt;  // caught without a PDF library too
    } cases[] = {
        {"no file", "", false, true},
        {"empty file", "", true, true},
        {"cut before the trailer", whole.substr(0, whole.find("xref")), true, true},
        {"cut inside the trailer", whole.substr(0, whole.size() - 12), true, true},
        {"not a PDF", "%!PS-Adobe-3.0\n", true, true},
        {"no pages", test::minimal_pdf(0), true, false},
        {"a page object damaged", pageCutOut, true, false},
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        if (!c.frameShowsIt) continue;  // the Windows build checks the frame only
#endif
        for (PdfProducer producer : {PdfProducer::Ghostscript, PdfProducer::Distiller}) {
            SCOPED_TRACE(std::string(c.name) + (producer == PdfProducer::Ghostscript ? " gs" : " distiller"));
            host_.clear();
            std::remove(pdf_.c_str());
            fake_.outputFile = c.written ? pdf_ : "";
            fake_.outputBytes = c.bytes;
            const bool gs = producer == PdfProducer::Ghostscript;
            EXPECT_EQ(make_pdf(producer, ps_, pdf_, "", false), gs ? -13 : -14);
            EXPECT_TRUE(host_.printed(gs ? 169 : 230));
        }
    }
    // The same run with a whole PDF of two pages succeeds.
    fake_.outputFile = pdf_;
    fake_.outputBytes = whole;
    EXPECT_EQ(make_pdf(PdfProducer::Ghostscript, ps_, pdf_, "", false), 0);
}

TEST_F(ProducerRunTest, MakePdfIsQuietUnderSilentButStillReportsFailure) {
    state().silent = true;
    fake_.exitCode = 2;
    EXPECT_EQ(make_pdf(PdfProducer::Ghostscript, ps_, pdf_, "", false), -13);
    EXPECT_FALSE(host_.printed(168));
    EXPECT_TRUE(host_.printed(169));
}

TEST_F(ProducerRunTest, MakePdfGivesTheOutlineFlagToGhostscriptOnly) {
    EXPECT_EQ(make_pdf(PdfProducer::Ghostscript, ps_, pdf_, "", true), 0);
    EXPECT_EQ(make_pdf(PdfProducer::Distiller, ps_, pdf_, "", true), 0);
    ASSERT_EQ(fake_.starts.size(), 2u);
    EXPECT_NE(fake_.starts[0].commandLine.find("/UseOutlines"), std::string::npos);
    EXPECT_EQ(fake_.starts[1].commandLine, distiller_command_line("/opt/acrobat/acrodist", ps_, pdf_, ""));
}

}  // namespace
}  // namespace vane
