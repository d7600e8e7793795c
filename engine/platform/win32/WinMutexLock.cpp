#include "platform/win32/WinMutexLock.h"

namespace vane {

LockResult WinMutexLock::acquire(const std::string& name, std::unique_ptr<NamedLock>& lock) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    if (mutex == nullptr) return LockResult::Failed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return LockResult::HeldElsewhere;
    }
    lock.reset(new WinMutexLock(mutex));
    return LockResult::Acquired;
}

WinMutexLock::~WinMutexLock() {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

}  // namespace vane
