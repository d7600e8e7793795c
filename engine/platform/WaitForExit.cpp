#include "platform/WaitForExit.h"

#include <algorithm>

#include "platform/Env.h"

namespace vane {

int wait_for_exit(ChildProcess& child, const PollSchedule& schedule) {
    int delay = schedule.initialDelayMs;
    for (;;) {
        if (std::optional<int> code = child.poll()) return *code;
        if (schedule.fixedMs > 0) env().sleepMilliseconds(schedule.fixedMs);
        if (delay > 0) {
            env().sleepMilliseconds(delay);
            delay = std::min(delay + delay / 10 + 1, schedule.maxDelayMs);
        }
    }
}

}  // namespace vane
