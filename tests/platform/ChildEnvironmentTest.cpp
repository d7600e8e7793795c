#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "TempDir.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"
#include "platform/posix/ChildEnvironment.h"
#include "platform/posix/PosixEnv.h"

namespace vane {
namespace {

namespace fs = std::filesystem;

std::string own_runtime_directory(const std::string& parent) {
    return parent + "/vane-runtime-" + std::to_string(::geteuid());
}

// Restores this program's XDG_RUNTIME_DIR (the test main sets one) after each test.
class ChildEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* v = std::getenv("XDG_RUNTIME_DIR")) saved_ = v;
    }
    void TearDown() override {
        if (saved_)
            ::setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    // XDG_RUNTIME_DIR as a child started through the platform sees it.
    std::string seenByChild() {
        test::write_text(dir_.file("show.sh"), "printf '%s' \"${XDG_RUNTIME_DIR-unset}\" > seen.txt\n");
        auto child = env().startProcess("sh show.sh", dir_.path());
        EXPECT_NE(child, nullptr);
        if (child == nullptr) return {};
        EXPECT_EQ(wait_for_exit(*child, {10, 1, 1000}), 0);
        return test::read_file(dir_.file("seen.txt"));
    }

    test::TempDir dir_;
    std::optional<std::string> saved_;
};

TEST_F(ChildEnvironment, AUsableRuntimeDirectoryIsPassedOnAsItIs) {
    ::setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
    EXPECT_EQ(seenByChild(), dir_.path());
}

TEST_F(ChildEnvironment, WithoutAUsableOneTheChildGetsAPrivateDirectory) {
    test::write_text(dir_.file("plain-file"), "x");
    struct Case {
        const char* name;
        std::optional<std::string> value;  // nullopt: not set
    };
    const Case cases[] = {
        {"not set", std::nullopt},
        {"empty", std::string()},
        {"relative", std::string("run")},
        {"missing", dir_.file("no-such-dir")},
        {"a plain file", dir_.file("plain-file")},
    };
    const std::string expected = own_runtime_directory("/tmp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.value)
            ::setenv("XDG_RUNTIME_DIR", c.value->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(seenByChild(), expected);
        struct stat st {};
        ASSERT_EQ(::lstat(expected.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        EXPECT_EQ(st.st_uid, ::geteuid());
        // This process keeps its own value: its lock files stay where they were.
        if (c.value)
            EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), c.value->c_str());
        else
            EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);
    }
}

TEST_F(ChildEnvironment, TheProgramsOwnVariableIsSetOnlyWhenUnusable) {
    ::setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
    provide_runtime_directory();
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), dir_.path().c_str());
    EXPECT_EQ(runtime_directory(), dir_.path());

    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(runtime_directory(), "/tmp");
    provide_runtime_directory();
    ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
    EXPECT_EQ(std::string(std::getenv("XDG_RUNTIME_DIR")), own_runtime_directory("/tmp"));
    // Locks stay in /tmp, where the processes without the private one take them.
    EXPECT_EQ(runtime_directory(), "/tmp");
    EXPECT_EQ(seenByChild(), own_runtime_directory("/tmp"));
}

TEST(PrivateRuntimeDirectory, IsMadeOrTakenOnlyWhenSafe) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path, const std::string& parent)> prepare;
        bool usable;
    };
    const Case cases[] = {
        {"missing: made", [](const std::string&, const std::string&) {}, true},
        {"ours and private", [](const std::string& p, const std::string&) { ::mkdir(p.c_str(), 0700); }, true},
        {"ours but open to others: tightened",
         [](const std::string& p, const std::string&) {
             ::mkdir(p.c_str(), 0700);
             ::chmod(p.c_str(), 0777);
         },
         true},
        {"a symbolic link to a directory of ours",
         [](const std::string& p, const std::string& parent) {
             fs::create_directory(parent + "/elsewhere");
             ::chmod((parent + "/elsewhere").c_str(), 0700);
             fs::create_directory_symlink(parent + "/elsewhere", p);
         },
         false},
        {"a plain file", [](const std::string& p, const std::string&) { test::write_text(p, "x"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir parent;
        const std::string path = own_runtime_directory(parent.path());
        c.prepare(path, parent.path());
        const std::string got = private_runtime_directory(parent.path());
        if (!c.usable) {
            EXPECT_EQ(got, "");
            continue;
        }
        EXPECT_EQ(got, path);
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    EXPECT_EQ(private_runtime_directory("/nonexistent/parent"), "");
}

TEST(PrivateRuntimeDirectory, SomeoneElsesDirectoryIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the directory away";
    test::TempDir parent;
    const std::string path = own_runtime_directory(parent.path());
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    EXPECT_EQ(private_runtime_directory(parent.path()), "");
}

}  // namespace
}  // namespace vane
