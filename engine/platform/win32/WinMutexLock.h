// A named mutex held by this process; destroying it closes the handle (the
// system also releases it when the process ends).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/Env.h"
#include "platform/NamedLock.h"

namespace vane {

class WinMutexLock final : public NamedLock {
public:
    // Creates the mutex `name`, initially owned. HeldElsewhere when it
    // already existed (its handle is closed again), Failed when it cannot be
    // created at all.
    static LockResult acquire(const std::string& name, std::unique_ptr<NamedLock>& lock);
    WinMutexLock(const WinMutexLock&) = delete;
    WinMutexLock& operator=(const WinMutexLock&) = delete;
    ~WinMutexLock() override;

private:
    explicit WinMutexLock(HANDLE mutex) : mutex_(mutex) {}
    HANDLE mutex_;
};

}  // namespace vane
