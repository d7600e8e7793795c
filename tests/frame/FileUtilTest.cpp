#include "frame/FileUtil.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FaultEnv.h"
#include "TempDir.h"
#include "frame/File.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

TEST(FileUtil, ExistenceChecks) {
    TempDir dir;
    write_text(dir.file("a.txt"), "x");
    EXPECT_TRUE(file_exists(dir.file("a.txt").c_str()));
    EXPECT_FALSE(file_exists(dir.file("missing").c_str()));
    EXPECT_FALSE(file_exists(""));
    EXPECT_FALSE(file_exists(nullptr));
    EXPECT_TRUE(path_exists(dir.path().c_str()));
    EXPECT_TRUE(path_exists((dir.path() + "/").c_str()));
    EXPECT_TRUE(path_exists(dir.file("a.txt").c_str()));
    EXPECT_FALSE(path_exists(dir.file("missing/").c_str()));
}

TEST(FileUtil, EnsureDirectoryCreatesOneLevelOnly) {
    TempDir dir;
    EXPECT_TRUE(ensure_directory(dir.path().c_str()));
    EXPECT_TRUE(ensure_directory(dir.file("one").c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("one")));
    EXPECT_FALSE(ensure_directory(dir.file("two/three").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("two")));
}

TEST(FileUtil, CopyAcrossBlockBoundaries) {
    TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, kCopyBlockSize - 1, kCopyBlockSize,
                             kCopyBlockSize + 1, 3 * kCopyBlockSize}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
        write_text(dir.file("src"), bytes);
        ASSERT_TRUE(copy_file(dir.file("dst").c_str(), dir.file("src").c_str()));
        EXPECT_EQ(read_file(dir.file("dst")), bytes);
        ASSERT_TRUE(append_file(dir.file("dst").c_str(), dir.file("src").c_str()));
        EXPECT_EQ(read_file(dir.file("dst")), bytes + bytes);
    }
}

TEST(FileUtil, CopyFailures) {
    TempDir dir;
    write_text(dir.file("src"), "data");
    EXPECT_FALSE(copy_file("", dir.file("src").c_str()));
    EXPECT_FALSE(copy_file(dir.file("dst").c_str(), nullptr));
    EXPECT_FALSE(copy_file(dir.file("dst").c_str(), dir.file("missing").c_str()));
    EXPECT_FALSE(copy_file(dir.file("no/dst").c_str(), dir.file("src").c_str()));
    EXPECT_FALSE(append_file(dir.file("no/dst").c_str(), dir.file("src").c_str()));
}

TEST(FileUtil, ShortWritesFailAndLeaveNoFile) {
    // /dev/full accepts the open and refuses every byte.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    write_text(dir.file("src"), std::string(100000, 'x'));
    EXPECT_FALSE(copy_file("/dev/full", dir.file("src").c_str()));
    EXPECT_FALSE(append_file("/dev/full", dir.file("src").c_str()));
}

// Each helper reports a file service that fails and leaves no partial file.
TEST(FileUtil, FailingFileServicesAreReported) {
    struct Case {
        const char* name;
        void (*arm)(test::FaultEnv&);
        bool (*run)(const TempDir&);
        const char* absent;  // left behind by none of the failures
    } const cases[] = {
        {"write_file, disk full mid-way", [](test::FaultEnv& f) { f.writeBudget = 3; },
         [](const TempDir& d) { return write_file(d.file("w").c_str(), 8, "abcdefgh"); }, "w"},
        {"write_file, open refused", [](test::FaultEnv& f) { f.failOpenForWrite = 1; },
         [](const TempDir& d) { return write_file(d.file("w").c_str(), 8, "abcdefgh"); }, "w"},
        {"copy_file, disk full mid-way", [](test::FaultEnv& f) { f.writeBudget = 50000; },
         [](const TempDir& d) { return copy_file(d.file("dst").c_str(), d.file("src").c_str()); }, nullptr},
        {"append_file, disk full", [](test::FaultEnv& f) { f.writeBudget = 0; },
         [](const TempDir& d) { return append_file(d.file("dst").c_str(), d.file("src").c_str()); }, nullptr},
        {"ensure_directory, creation refused", [](test::FaultEnv& f) { f.failCreateDirectory = 1; },
         [](const TempDir& d) { return ensure_directory(d.file("new").c_str()); }, "new"},
        {"delete_tree, one removal refused", [](test::FaultEnv& f) { f.failRemove = 2; },
         [](const TempDir& d) { return delete_tree(d.file("tree").c_str()); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto prepare = [&dir] {
            std::filesystem::remove_all(dir.file("new"));
            std::filesystem::remove(dir.file("w"));
            write_text(dir.file("src"), std::string(100000, 'x'));
            std::filesystem::create_directories(dir.file("tree/sub"));
            for (const char* name : {"tree/a", "tree/b", "tree/sub/c"}) write_text(dir.file(name), "x");
        };
        prepare();
        {
            test::FaultEnv clean;  // the same services without a fault succeed
            EXPECT_TRUE(c.run(dir));
            EXPECT_EQ(clean.refusedWrites, 0);
        }
        prepare();
        test::FaultEnv fault;
        c.arm(fault);
        EXPECT_FALSE(c.run(dir));
        if (c.absent != nullptr) {
            EXPECT_FALSE(std::filesystem::exists(dir.file(c.absent)));
        }
    }
}

TEST(FileUtil, WriteFile) {
    TempDir dir;
    const std::string bytes("a\0b\r\n", 5);
    ASSERT_TRUE(write_file(dir.file("w").c_str(), bytes.size(), bytes.data()));
    EXPECT_EQ(read_file(dir.file("w")), bytes);
    ASSERT_TRUE(write_file(dir.file("empty").c_str(), 0, nullptr));
    EXPECT_TRUE(file_exists(dir.file("empty").c_str()));
    EXPECT_FALSE(write_file(dir.file("no/w").c_str(), bytes.size(), bytes.data()));
}

TEST(FileUtil, DeleteTreeKeepsDotFoldersAndNeverFollowsLinks) {
    TempDir dir;
    TempDir outside;
    write_text(outside.file("precious"), "keep");
    const std::string root = dir.file("site");
    std::filesystem::create_directories(root + "/img/deep");
    write_text(root + "/index.html", "x");
    write_text(root + "/img/a.gif", "x");
    write_text(root + "/img/deep/b.gif", "x");
    std::filesystem::create_directory_symlink(outside.path(), root + "/link");
    ASSERT_TRUE(delete_tree(root.c_str()));
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_EQ(read_file(outside.file("precious")), "keep");

    // A folder whose name begins with "." stays, so the tree itself stays.
    std::filesystem::create_directories(root + "/.git");
    write_text(root + "/page.htm", "x");
    EXPECT_FALSE(delete_tree(root.c_str()));
    EXPECT_TRUE(std::filesystem::exists(root + "/.git"));
    EXPECT_FALSE(std::filesystem::exists(root + "/page.htm"));

    // A link given as the tree is removed, not followed.
    std::filesystem::create_directory_symlink(outside.path(), dir.file("alias"));
    EXPECT_TRUE(delete_tree(dir.file("alias").c_str()));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.file("alias"))));
    EXPECT_EQ(read_file(outside.file("precious")), "keep");

    EXPECT_TRUE(delete_tree(nullptr));
    EXPECT_TRUE(delete_tree(dir.file("missing").c_str()));
}

TEST(FileUtil, ReadLineTrimsAndSplitsLongLines) {
    TempDir dir;
    const std::string longLine(kReadLineMax + 10, 'L');
    write_text(dir.file("lines"), "one\r\ntwo\n\r\nthree\r\r\n" + longLine + "\nlast");
    File f = File::open(dir.file("lines").c_str(), "rb");
    ASSERT_TRUE(f.isOpen());
    char buffer[kReadLineMax + 2];
    struct Expect {
        std::size_t length;
        std::string text;
    } const expected[] = {
        {5, "one"}, {4, "two"}, {2, ""}, {8, "three\r"},
        {kReadLineMax, std::string(kReadLineMax, 'L')}, {11, std::string(10, 'L')},
        {4, "last"}, {0, ""},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.text.substr(0, 10));
        EXPECT_EQ(read_line(f.get(), buffer), e.length);
        EXPECT_EQ(std::string(buffer), e.text);
    }
}

}  // namespace
}  // namespace vane
