#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "frame/File.h"
#include "frame/FileUtil.h"
#include "html/TextLines.h"

namespace vane {
namespace {

using test::TempDir;
using test::write_text;

std::vector<std::string> lines_from_file(const std::string& path) {
    std::vector<std::string> lines;
    File in = File::open(path.c_str(), "r");
    std::string buffer(kReadLineMax + 2, '\0');
    while (read_line(in.get(), buffer.data()) != 0) lines.emplace_back(buffer.c_str());
    return lines;
}

std::vector<std::string> lines_from_memory(const std::string& text) {
    std::vector<std::string> lines;
    html::TextLines reader(text);
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

// The pages are read back from memory; that must give the very lines that
// read_line gives from the file.
TEST(TextLines, MatchesReadLine) {
    const std::string nul("a\0b\n", 4);
    const std::string leadingNul("x\n\0y\nz\n", 7);
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"no final line feed", "one\ntwo"},
        {"carriage returns", "a\r\nb\r\r\nc\rd\n\r"},
        {"line one short of the limit", std::string(kReadLineMax - 1, 'x') + "\nnext\n"},
        {"line at the limit", std::string(kReadLineMax, 'x') + "\nnext\n"},
        {"long line", std::string(3 * kReadLineMax + 5, 'y') + "\n"},
        {"piece ending in CR", std::string(kReadLineMax - 1, 'z') + "\r" + "rest\n"},
        {"NUL inside a line", nul + "after\n"},
        {"line starting with NUL", leadingNul},
        {"blank lines", "\n\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        write_text(dir.file("t.txt"), c.text);
        EXPECT_EQ(lines_from_memory(c.text), lines_from_file(dir.file("t.txt")));
    }
}

TEST(TextLines, TakeThroughConsumesUpToTheStop) {
    html::TextLines reader("<a\n name=\"x\">rest\nnext\n");
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "<a");
    EXPECT_EQ(reader.takeThrough('>'), " name=\"x\">");
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "rest");
    EXPECT_EQ(reader.takeThrough('>'), "next\n");
    EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace vane
