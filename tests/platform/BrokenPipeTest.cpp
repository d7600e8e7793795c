#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/PosixEnv.h"

namespace vane {
namespace {

// The disposition in force, restored after each case.
class BrokenPipeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::sigaction(SIGPIPE, nullptr, &saved_), 0); }
    void TearDown() override { ::sigaction(SIGPIPE, &saved_, nullptr); }

    static void setDisposition(void (*handler)(int)) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        ASSERT_EQ(::sigaction(SIGPIPE, &action, nullptr), 0);
    }
    static void (*disposition())(int) {
        struct sigaction current {};
        ::sigaction(SIGPIPE, nullptr, &current);
        return current.sa_handler;
    }

    struct sigaction saved_ {};
};

void host_handler(int) {}

// A write to a pipe whose reader is gone comes back as EPIPE: the process lives on.
TEST_F(BrokenPipeTest, AWriteAfterTheReaderHasGoneFailsInsteadOfEndingTheProcess) {
    setDisposition(SIG_DFL);
    PosixEnv env;
    env.ignoreBrokenPipes();
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const char byte = 'x';
    errno = 0;
    EXPECT_EQ(::write(ends[1], &byte, 1), -1);
    EXPECT_EQ(errno, EPIPE);
    ::close(ends[1]);
}

TEST_F(BrokenPipeTest, AHandlerTheHostChoseIsKept) {
    setDisposition(host_handler);
    PosixEnv env;
    env.ignoreBrokenPipes();
    EXPECT_EQ(disposition(), &host_handler);
}

}  // namespace
}  // namespace vane
