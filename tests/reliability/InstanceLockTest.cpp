// Two d2p processes of one user on one machine: the instance lock lets one
// convert and sends the other away with message 127 and result -3; a process
// killed while it holds the lock leaves it free for the next run.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "MessageCatalog.h"
#include "ReliabilityFixture.h"

namespace vane::test {
namespace {

namespace fs = std::filesystem;

std::string message(int id) {
    std::string text = catalog::text(id, catalog::Language::English);
    while (!text.empty() && (text[0] == '\r' || text[0] == '\n')) text.erase(0, 1);
    return text;
}

std::set<std::string> listing(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

class InstanceLock : public ReliabilityTest {
protected:
    std::string stage(const RunPlace& place, const std::string& name) {
        const std::string doc = place.docs() + "/" + name;
        fs::copy_file(shared_dir() + "/corpus/public/pandoc__headers.docx", doc);
        return doc;
    }
    std::vector<std::string> d2p(const std::string& doc, const std::string& pdf) {
        return {VANE_RESULT_EXE, "d2p", "-p", queue(), "-o", pdf, doc};
    }
};

TEST_F(InstanceLock, SecondProcessStartedTogetherEndsWith127) {
    RunPlace place;  // one runtime directory: the same user's session
    const std::string a = stage(place, "a.docx");
    const std::string b = stage(place, "b.docx");
    StartedProgram first(d2p(a, place.docs() + "/a.pdf"), place.environment(), place.docs(),
                         place.outputFile("a.txt"));
    StartedProgram second(d2p(b, place.docs() + "/b.pdf"), place.environment(), place.docs(),
                          place.outputFile("b.txt"));
    const RunResult ra = first.wait(240);
    const RunResult rb = second.wait(240);
    ASSERT_TRUE(ra.finished && rb.finished) << ra.output << rb.output;
    const bool aWon = ra.status == 0;
    const RunResult& winner = aWon ? ra : rb;
    const RunResult& loser = aWon ? rb : ra;
    EXPECT_EQ(winner.status, 0) << winner.output;
    EXPECT_EQ(loser.status, 3) << "result -3 expected\n" << loser.output;
    EXPECT_NE(loser.output.find(message(127)), std::string::npos) << loser.output;
    EXPECT_NE(loser.output.find(kErrorLine), std::string::npos) << loser.output;
    EXPECT_EQ(loser.output.find(message(136)), std::string::npos) << "the loser must not open the document";
    EXPECT_TRUE(fs::exists(place.docs() + (aWon ? "/a.pdf" : "/b.pdf")));
    EXPECT_FALSE(fs::exists(place.docs() + (aWon ? "/b.pdf" : "/a.pdf")));
    expectNoOfficeLeft(place);
}

TEST_F(InstanceLock, RealVaneReportsTheSecondInstanceAsAnError) {
    RunPlace place;
    const std::string a = stage(place, "a.docx");
    const std::string b = stage(place, "b.docx");
    StartedProgram first(d2p(a, place.docs() + "/a.pdf"), place.environment(), place.docs(),
                         place.outputFile("a.txt"));
    // Once the first run says it opens the document, it holds the lock.
    for (int i = 0; i < 600 && first.outputSoFar().find(message(136)) == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_NE(first.outputSoFar().find(message(136)), std::string::npos) << first.outputSoFar();
    const RunResult rb = run_program({VANE_EXE, "-language", "ENGLISH", "d2p", "-p", queue(), b},
                                     place.environment(), place.docs(), 120);
    EXPECT_EQ(rb.status, 1) << rb.output;
    EXPECT_NE(rb.output.find(message(127)), std::string::npos) << rb.output;
    EXPECT_NE(rb.output.find(kErrorLine), std::string::npos) << rb.output;
    const RunResult ra = first.wait(240);
    EXPECT_EQ(ra.status, 0) << ra.output;
    expectNoOfficeLeft(place);
}

TEST_F(InstanceLock, KilledHolderReleasesTheLock) {
    RunPlace place;
    const std::string a = stage(place, "a.docx");
    const std::string before = read_file(a);
    {
        StartedProgram first(d2p(a, place.docs() + "/a.pdf"), place.environment(), place.docs(),
                             place.outputFile("first.txt"));
        for (int i = 0; i < 600 && first.outputSoFar().find(message(136)) == std::string::npos; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_NE(first.outputSoFar().find(message(136)), std::string::npos) << first.outputSoFar();
        first.kill(SIGKILL);
        const RunResult killed = first.wait(30);
        ASSERT_TRUE(killed.finished);
        EXPECT_TRUE(killed.signalled);
    }
    // The office of the killed run goes with it (its watchdog), profile included.
    expectNoOfficeLeft(place);
    // The killed process could not remove its working copy; nothing else of it stays.
    std::set<std::string> afterKill = listing(place.docs());
    afterKill.erase("a.docx");
    for (const std::string& name : afterKill)
        EXPECT_TRUE(name.find("_fv") != std::string::npos) << "left by the killed run: " << name;
    const RunResult again =
        run_program(d2p(a, place.docs() + "/a.pdf"), place.environment(), place.docs(), 240);
    ASSERT_TRUE(again.finished);
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(again.output.find(message(127)), std::string::npos) << again.output;
    EXPECT_EQ(read_file(a), before);
    // The new run leaves its PDF and nothing of its own.
    std::set<std::string> expected = afterKill;
    expected.insert({"a.docx", "a.pdf"});
    EXPECT_EQ(listing(place.docs()), expected);
    expectNoOfficeLeft(place);
}

}  // namespace
}  // namespace vane::test
