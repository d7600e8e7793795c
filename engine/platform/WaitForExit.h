// Waits for a child process by polling its exit code with sleeps, the way
// every child of vanecore is waited for: after each poll that finds it still
// running, sleep `fixedMs`, then (when growing) sleep a delay that starts at
// `initialDelayMs` and grows by a tenth of itself plus 1 ms up to `maxDelayMs`.
// There is no overall time limit.
#pragma once

#include "platform/ChildProcess.h"

namespace vane {

struct PollSchedule {
    int fixedMs = 200;
    int initialDelayMs = 0;  // 0: no growing delay
    int maxDelayMs = 0;
};

// Returns the child's exit code.
int wait_for_exit(ChildProcess& child, const PollSchedule& schedule);

}  // namespace vane
