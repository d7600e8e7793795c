// Files of a folder found by the beginning and end of their names.
#include "platform/FolderScan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TempDir.h"

namespace vane {
namespace {

TEST(FolderScan, FindsNamesWithSomethingBetweenPrefixAndSuffix) {
    test::TempDir dir;
    for (const char* name : {"lu1.tmp", "luABC.tmp", "lu.tmp", "xlu1.tmp", "lu1.tmpx", "LU1.tmp", "lu1.TMP"})
        test::write_text(dir.file(name), "x");
    std::filesystem::create_directory(dir.file("lu9.tmp"));  // what the office leaves may be a folder
    std::set<std::string> found;
    for (const auto& path : files_named(dir.path(), "lu", ".tmp")) found.insert(path.filename().string());
    EXPECT_EQ(found, (std::set<std::string>{"lu1.tmp", "lu9.tmp", "luABC.tmp"}));
    EXPECT_TRUE(files_named(dir.file("missing"), "lu", ".tmp").empty());
}

}  // namespace
}  // namespace vane
