// A running child process, owned: destroying it before it ended kills it and
// reaps it, so no child outlives its owner.
#pragma once

#include <optional>

namespace vane {

class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    // The exit code once the process has ended, nothing while it runs.
    virtual std::optional<int> poll() = 0;
    // Ends the process at once and reaps it.
    virtual void kill() = 0;
};

}  // namespace vane
