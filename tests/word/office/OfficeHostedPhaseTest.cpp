// The d2p and d2h word phases run inside the office (the job library loaded
// into it): their messages arrive while they run and in order, their values
// come back, and an office that dies during a phase makes a failed phase that
// leaves nothing of the office behind.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "frame/LibraryState.h"
#include "html/D2hWordPhase.h"
#include "pdf/D2pWordPhase.h"
#include "word/HostedPhase.h"
#include "word/Word.h"

namespace vane {
namespace {

constexpr int kExtractingBookmarks = 153;
constexpr int kExtractingLinks = 156;
constexpr int kPrinting = 160;
constexpr int kInitDocument = 148;
constexpr int kSavingHtml = 161;
constexpr int kGetDocumentInformation = 189;

std::string corpus(const std::string& name) {
    const char* shared = std::getenv("VANE_SHARED_DIR");
    return std::string(shared ? shared : "../shared") + "/corpus/public/" + name;
}

// The office processes (soffice.bin) whose command line names `needle`.
std::vector<pid_t> offices_naming(const std::string& needle) {
    std::vector<pid_t> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        const std::string cmd((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (cmd.find("soffice.bin") != std::string::npos && cmd.find(needle) != std::string::npos)
            found.push_back(static_cast<pid_t>(std::stoi(name)));
    }
    return found;
}

class HostedPhaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", temp_.path().c_str(), 1);
        std::filesystem::copy_file(corpus("pandoc__headers.docx"), dir_.file("doc_fv.docx"));
        names_.document = dir_.file("doc.docx");
        names_.workingCopy = dir_.file("doc_fv.docx");
        names_.pdf = dir_.file("doc.pdf");
        names_.markFile = dir_.file("doc.pdf.ps_2.ps");
        settings_.printer = "Folivane";
    }
    void TearDown() override {
        if (saved_.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", saved_.c_str(), 1);
    }

    // The phase with message texts that name their numbers ("<153>").
    word::HostedPhase phase() {
        word::HostedPhase phase;
        phase.name = "d2p";
        phase.arguments = d2p_phase_arguments(names_, settings_);
        phase.message = [](int id) { return "<" + std::to_string(id) + ">"; };
        phase.output = [this](const std::string& text) { printed_.push_back(text); };
        phase.documents = {names_.workingCopy};
        phase.printed = {names_.pdf};
        return phase;
    }

    // An output that keeps the messages and kills this test's office when
    // `marker` arrives (`shot` tells whether a kill landed).
    std::function<void(const std::string&)> killingAt(const std::string& marker, bool& shot) {
        return [this, marker, &shot](const std::string& text) {
            printed_.push_back(text);
            if (text != marker) return;
            for (const pid_t pid : offices_naming(temp_.path())) shot = ::kill(pid, SIGKILL) == 0 || shot;
        };
    }

    // A phase whose office was killed when `marker` arrived: failed, nothing
    // printed after the marker, nothing of the office left.
    void expectKilled(const word::HostedPhaseResult& result, const std::string& marker, bool shot) const {
        ASSERT_TRUE(shot);
        EXPECT_TRUE(result.started);
        EXPECT_FALSE(result.completed);
        EXPECT_EQ(result.failure, "the office ended during the phase");
        EXPECT_EQ(printed_.back(), marker);
        EXPECT_TRUE(nothingOfTheOfficeLeft());
    }

    bool nothingOfTheOfficeLeft() const { return std::filesystem::is_empty(temp_.path()); }

    std::vector<std::string> besideTheDocument() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::size_t printedAt(const std::string& text) const {
        for (std::size_t i = 0; i < printed_.size(); ++i)
            if (printed_[i] == text) return i;
        return printed_.size();
    }

    test::TempDir temp_;
    test::TempDir dir_;
    std::string saved_;
    D2pNames names_;
    D2pSettings settings_;
    std::vector<std::string> printed_;
};

TEST_F(HostedPhaseTest, RunsTheWalkInsideTheOfficeAndHandsBackItsValues) {
    ASSERT_TRUE(word::word_backend().hostsPhases());
    names_.printedPdf = dir_.file("printed.pdf");
    word::HostedPhaseResult result = word::word_backend().runHosted(phase());
    ASSERT_TRUE(result.started) << result.failure;
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_EQ(result.values.at("Result"), 0);
    EXPECT_EQ(result.values.at("OutlineEntries"), 6);
    // Every message and catalogue look-up is one call back over the pipe.
    EXPECT_GT(result.values.at("PipeCalls"), static_cast<long long>(printed_.size()));
    // The messages of the walk, in the order the walk prints them.
    const std::size_t bookmarks = printedAt("<" + std::to_string(kExtractingBookmarks) + ">");
    const std::size_t links = printedAt("<" + std::to_string(kExtractingLinks) + ">");
    const std::size_t printing = printedAt("<" + std::to_string(kPrinting) + ">");
    EXPECT_LT(bookmarks, links);
    EXPECT_LT(links, printing);
    EXPECT_LT(printing, printed_.size());
    // The marks, the printed file and the PDF it runs are written.
    EXPECT_GT(std::filesystem::file_size(names_.markFile), 0u);
    EXPECT_EQ(test::read_file(names_.pdf), "(" + names_.printedPdf + ") run\n");
    EXPECT_GT(std::filesystem::file_size(names_.printedPdf), 0u);
    // The office was asked to end and is waited for with the result's
    // `ending`: then it is gone.
    ASSERT_NE(result.ending, nullptr);
    result.ending.reset();
    EXPECT_TRUE(offices_naming(temp_.path()).empty());
    EXPECT_TRUE(nothingOfTheOfficeLeft());
}

// With VANE_PIPE_STATS set, each phase of the run appends its line: ours
// (start, the job, quit) with the traffic over the pipe, the office's (open,
// walk, print, close) with the calls its job made back to us. Every test runs
// in a process of its own, so the variable is read here first.
TEST_F(HostedPhaseTest, WritesEachPhaseWithItsCallsWhenAsked) {
    test::TempDir stats;
    const std::string path = stats.file("pipe.tsv");
    ::setenv("VANE_PIPE_STATS", path.c_str(), 1);
    word::HostedPhaseResult result = word::word_backend().runHosted(phase());
    ASSERT_TRUE(result.completed) << result.failure;
    result.ending.reset();  // the office, asked to end, writes its quit when waited for
    ::unsetenv("VANE_PIPE_STATS");

    // side + phase -> calls, callbacks, messages out (summed over repeated phases)
    std::map<std::string, std::vector<long long>> phases;
    std::istringstream in(test::read_file(path));
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string side, name;
        double ms = -1;
        std::vector<long long> counts(6, -1);
        fields >> side >> name >> ms;
        for (auto& count : counts) fields >> count;
        ASSERT_TRUE(fields && ms >= 0) << line;
        auto& sum = phases[side + " " + name];
        sum.resize(6, 0);
        for (std::size_t i = 0; i < 6; ++i) sum[i] += counts[i];
    }
    for (const char* name : {"vane start", "vane job", "vane quit", "office open", "office walk", "office print",
                             "office close"}) {
        EXPECT_TRUE(phases.contains(name)) << name;
    }
    // Starting the office and handing it the job take calls of ours; during
    // the job the office calls us back for every message it prints.
    EXPECT_GT(phases["vane start"][0], 0);
    EXPECT_GE(phases["vane start"][2], phases["vane start"][0]);  // every call is a message
    EXPECT_GT(phases["vane job"][0], 0);
    EXPECT_GE(phases["vane job"][1], static_cast<long long>(printed_.size()));
    long long officeCalls = 0;
    for (const auto& [name, counts] : phases)
        if (name.rfind("office ", 0) == 0) officeCalls += counts[0];
    EXPECT_GE(officeCalls, static_cast<long long>(printed_.size()));
    EXPECT_GE(phases["vane job"][1], officeCalls);
}

TEST_F(HostedPhaseTest, AnUnknownPhaseFailsAndEndsTheOffice) {
    word::HostedPhase unknown = phase();
    unknown.name = "x2y";
    const word::HostedPhaseResult result = word::word_backend().runHosted(unknown);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(result.failure.empty());
    EXPECT_EQ(result.ending, nullptr);  // a failed phase ends its office at once
    EXPECT_TRUE(printed_.empty());
    EXPECT_TRUE(nothingOfTheOfficeLeft());
}

TEST_F(HostedPhaseTest, AnOfficeKilledDuringTheWalkIsAFailedPhaseThatLeavesNothing) {
    word::HostedPhase killed = phase();
    const std::string marker = "<" + std::to_string(kExtractingBookmarks) + ">";
    bool shot = false;
    killed.output = killingAt(marker, shot);
    const word::HostedPhaseResult result = word::word_backend().runHosted(killed);
    expectKilled(result, marker, shot);
    // Only the working copy is left (its caller removes it): no lock file.
    EXPECT_EQ(besideTheDocument(), std::vector<std::string>{"doc_fv.docx"});
}

// The d2h phase: the title comes back as text, the site page is saved.
class HostedD2hTest : public HostedPhaseTest {
protected:
    void SetUp() override {
        HostedPhaseTest::SetUp();
        std::filesystem::copy_file(corpus("aspose__Formatted_elements.docx"), dir_.file("aw_fv.docx"));
        html_.document = dir_.file("aw.docx");
        html_.outputDirectory = dir_.path();
        html_.baseName = "aw";
        html_.workingCopy = dir_.file("aw_fv.docx");
        html_.sitePage = dir_.file("aw.html");
        html_.fullHtml = dir_.file("aw_full.html");
    }

    void TearDown() override {
        state().verbose = false;
        HostedPhaseTest::TearDown();
    }

    // Verbose, so that every step's message crosses back.
    word::HostedPhase d2h() {
        state().verbose = true;
        word::HostedPhase phase;
        phase.name = "d2h";
        phase.arguments = d2h_phase_arguments(html_, false);
        phase.message = [](int id) { return "<" + std::to_string(id) + ">"; };
        phase.output = [this](const std::string& text) { printed_.push_back(text); };
        phase.documents = {html_.workingCopy};
        return phase;
    }

    D2hNames html_;
};

TEST_F(HostedD2hTest, SavesTheSitePageInsideTheOfficeAndHandsBackTheTitle) {
    word::HostedPhaseResult result = word::word_backend().runHosted(d2h());
    ASSERT_TRUE(result.started) << result.failure;
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_EQ(result.values.at("Result"), 0);
    EXPECT_EQ(result.values.at("NeedsReleaseWait"), 0);
    EXPECT_EQ(result.texts.at("Title"), "AW Test Document");
    const std::size_t information = printedAt("<" + std::to_string(kGetDocumentInformation) + ">");
    const std::size_t saving = printedAt("<" + std::to_string(kSavingHtml) + ">");
    EXPECT_LT(information, saving);
    EXPECT_LT(saving, printed_.size());
    EXPECT_GT(std::filesystem::file_size(html_.sitePage), 0u);
    result.ending.reset();  // waits for the office asked to end
    EXPECT_TRUE(nothingOfTheOfficeLeft());
}

TEST_F(HostedD2hTest, AnOfficeKilledDuringThePhaseIsAFailedPhaseThatLeavesNoLock) {
    word::HostedPhase killed = d2h();
    const std::string marker = "<" + std::to_string(kInitDocument) + ">";
    bool shot = false;
    killed.output = killingAt(marker, shot);
    const word::HostedPhaseResult result = word::word_backend().runHosted(killed);
    expectKilled(result, marker, shot);
    EXPECT_FALSE(std::filesystem::exists(html_.sitePage));
    EXPECT_FALSE(std::filesystem::exists(dir_.file(".~lock.aw_fv.docx#")));
}

}  // namespace
}  // namespace vane
