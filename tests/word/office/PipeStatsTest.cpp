// The phase lines written for the benchmark.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "word/office/PipeStats.h"

namespace vane {
namespace {

// The fields of each line, the time left out (it varies).
std::vector<std::string> without_time(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        EXPECT_EQ(fields.size(), 9u) << line;
        if (fields.size() > 2) fields.erase(fields.begin() + 2);
        std::string joined;
        for (const auto& field : fields) joined += (joined.empty() ? "" : " ") + field;
        lines.push_back(joined);
    }
    return lines;
}

TEST(PipeStats, FormatsOneTabSeparatedLine) {
    PipeTrafficCounts counts;
    counts.calls = 7;
    counts.callbacks = 1;
    counts.messagesOut = 8;
    counts.messagesIn = 6;
    counts.bytesOut = 900;
    counts.bytesIn = 40;
    EXPECT_EQ(PipeStats::line("vane", "open", 12.345, counts), "vane\topen\t12.3\t7\t1\t8\t6\t900\t40\n");
}

TEST(PipeStats, WritesEachPhaseAndTheTimeBetweenWithItsOwnTraffic) {
    test::TempDir dir;
    const std::string path = dir.file("stats.tsv");
    PipeTraffic traffic;
    PipeStats stats(path, traffic);
    ASSERT_TRUE(stats.enabled());

    traffic.sent(100, {2, 2});  // before the first phase: not counted
    stats.begin();
    traffic.sent(50, {1, 1});
    traffic.received(30, {1, 0});
    stats.end("open", "walk");
    traffic.sent(10, {3, 3});
    traffic.received(20, {2, 1});
    stats.begin();
    stats.end("print");
    stats.setSide("office");
    traffic.callSent();
    stats.begin();
    stats.end("close");

    EXPECT_EQ(without_time(test::read_file(path)),
              (std::vector<std::string>{"vane open 1 0 1 1 50 30", "vane walk 3 1 3 2 10 20",
                                        "vane print 0 0 0 0 0 0", "office between 1 0 0 0 0 0",
                                        "office close 0 0 0 0 0 0"}));
}

TEST(PipeStats, AnotherFileStartsAfreshAndNoFileEndsTheLines) {
    test::TempDir dir;
    const std::string first = dir.file("first.tsv");
    const std::string second = dir.file("second.tsv");
    PipeTraffic traffic;
    PipeStats stats(first, traffic);
    stats.begin();
    stats.end("open", "walk");
    stats.setPath(second);
    stats.begin();  // no "walk": that began in the other file
    stats.end("close");
    stats.setPath("");
    EXPECT_FALSE(stats.enabled());
    stats.begin();
    stats.end("quit");

    EXPECT_EQ(without_time(test::read_file(first)), std::vector<std::string>{"vane open 0 0 0 0 0 0"});
    EXPECT_EQ(without_time(test::read_file(second)), std::vector<std::string>{"vane close 0 0 0 0 0 0"});
}

}  // namespace
}  // namespace vane
