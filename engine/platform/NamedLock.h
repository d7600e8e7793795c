// An exclusive lock shared between processes by name; released when the
// owner is destroyed or the process ends.
#pragma once

namespace vane {

class NamedLock {
public:
    virtual ~NamedLock() = default;
};

}  // namespace vane
