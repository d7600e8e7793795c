// Named mutexes across processes: the platform lock itself, and the instance
// lock of the conversion commands seen from a second process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "HelperProgram.h"
#include "TestHost.h"
#include "frame/InstanceLock.h"
#include "frame/MessageIds.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {
namespace {

// Runs the helper with `arguments` and returns its exit code.
int run_helper(const std::string& arguments) {
    auto child = env().startProcess("\"" + test::helper_program() + "\" " + arguments, "");
    if (!child) return -1000;
    return wait_for_exit(*child, PollSchedule{10, 0, 0});
}

std::string unique_name(const char* what) {
    return std::string("Folivane_Test_") + what + "_" + std::to_string(GetCurrentProcessId());
}

TEST(WinMutex, SecondProcessSeesTheLockUntilItIsReleased) {
    const std::string name = unique_name("lock");
    std::unique_ptr<NamedLock> lock;
    ASSERT_EQ(env().acquireNamedLock(name, lock), LockResult::Acquired);
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(run_helper("mutex " + name), 3);
    lock.reset();
    EXPECT_EQ(run_helper("mutex " + name), 0);
}

TEST(WinMutex, LockHeldByAnotherHandleIsHeldElsewhere) {
    const std::string name = unique_name("other");
    HANDLE other = CreateMutexA(nullptr, TRUE, name.c_str());
    ASSERT_NE(other, nullptr);
    std::unique_ptr<NamedLock> lock;
    EXPECT_EQ(env().acquireNamedLock(name, lock), LockResult::HeldElsewhere);
    EXPECT_EQ(lock, nullptr);
    CloseHandle(other);
}

TEST(WinMutex, SecondConversionProcessIsRefusedWhileTheFirstHoldsTheInstanceLock) {
    // Before this process takes it, a converting child gets past the lock.
    EXPECT_EQ(run_helper("convert"), 4);

    test::TestHost host;
    ASSERT_TRUE(take_instance_lock());
    EXPECT_FALSE(host.printed(msg::kMultipleInstances));
    // Taken again in the same process: nothing happens.
    EXPECT_TRUE(take_instance_lock());

    // A second process: d2h ends with -3.
    EXPECT_EQ(run_helper("convert"), 3);
}

}  // namespace
}  // namespace vane
