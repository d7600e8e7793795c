#include "frame/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "TempDir.h"
#include "TestHost.h"
#include "frame/LibraryState.h"
#include "platform/Env.h"

namespace vane {
namespace {

// Runs `body` in a forked child and returns its exit status.
template <typename F>
int in_child(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* previous = std::getenv("XDG_RUNTIME_DIR");
        previous_ = previous != nullptr ? previous : "";
        ::setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
        state().instanceLock.reset();
    }
    void TearDown() override {
        state().instanceLock.reset();
        if (previous_.empty())
            ::unsetenv("XDG_RUNTIME_DIR");
        else
            ::setenv("XDG_RUNTIME_DIR", previous_.c_str(), 1);
    }
    test::TempDir dir_;
    std::string previous_;
};

TEST_F(InstanceLockTest, ASecondProcessIsRefusedWithMessage127) {
    test::TestHost host;
    ASSERT_TRUE(take_instance_lock());
    EXPECT_TRUE(host.output().empty());
    const int child = in_child([] {
        test::TestHost childHost;
        state().instanceLock.release();  // the forked copy of the parent's handle is not ours
        const bool taken = take_instance_lock();
        return (!taken && childHost.printed(127)) ? 0 : 1;
    });
    EXPECT_EQ(child, 0);
}

TEST_F(InstanceLockTest, TwoCommandsInOneProcessBothRun) {
    test::TestHost host;
    EXPECT_TRUE(take_instance_lock());
    EXPECT_TRUE(take_instance_lock());
    EXPECT_FALSE(host.printed(127));
}

TEST_F(InstanceLockTest, TheLockDiesWithItsProcess) {
    test::TestHost host;
    const int child = in_child([] {
        state().instanceLock.release();
        return take_instance_lock() ? 0 : 1;
    });
    EXPECT_EQ(child, 0);
    EXPECT_TRUE(take_instance_lock());
    EXPECT_FALSE(host.printed(127));
}

// An environment whose named locks cannot be created.
class NoLockEnv : public Env {
public:
    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string&, std::unique_ptr<NamedLock>&) override {
        ++attempts;
        return LockResult::Failed;
    }
    std::string currentDirectory() override { return "/"; }
    int processorArchitecture() override { return kArchAMD64; }
    int processId() override { return 1; }
    void sleepMilliseconds(int) override {}
    std::unique_ptr<ChildProcess> startProcess(const std::string&, const std::string&) override {
        return nullptr;
    }
    bool makeExecutable(const std::string&) override { return false; }
    int attempts = 0;
};

TEST_F(InstanceLockTest, AnUncreatableLockLetsTheCommandGoOnAndIsTriedAgain) {
    NoLockEnv fake;
    set_env(&fake);
    test::TestHost host;
    EXPECT_TRUE(take_instance_lock());
    EXPECT_TRUE(take_instance_lock());
    set_env(nullptr);
    EXPECT_EQ(fake.attempts, 2);
    EXPECT_FALSE(host.printed(127));
}

}  // namespace
}  // namespace vane
