#include "platform/win32/WinEnv.h"

#include <objbase.h>
#include <windows.h>

#include "platform/win32/WinChildProcess.h"
#include "platform/win32/WinDynamicLibrary.h"
#include "platform/win32/WinMutexLock.h"

namespace vane {

Env& Env::platform() {
    static WinEnv instance;
    return instance;
}

int WinEnv::initializeAutomation() {
    return static_cast<int>(CoInitialize(nullptr));
}

int WinEnv::initializeAutomationSecurity() {
    return static_cast<int>(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                                                 RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr));
}

LockResult WinEnv::acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) {
    return WinMutexLock::acquire(name, lock);
}

std::string WinEnv::currentDirectory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return {};
    std::string buffer(needed, '\0');
    const DWORD length = GetCurrentDirectoryA(needed, buffer.data());
    if (length == 0 || length >= needed) return {};
    buffer.resize(length);
    return buffer;
}

int WinEnv::processorArchitecture() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.wProcessorArchitecture;
}

int WinEnv::processId() {
    return static_cast<int>(GetCurrentProcessId());
}

void WinEnv::sleepMilliseconds(int ms) {
    Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
}

std::unique_ptr<ChildProcess> WinEnv::startProcess(const std::string& commandLine,
                                                   const std::string& workingDirectory) {
    return WinChildProcess::start(commandLine, workingDirectory);
}

// Windows runs any file it can read as a program.
bool WinEnv::makeExecutable(const std::string& /*path*/) {
    return true;
}

std::unique_ptr<DynamicLibrary> WinEnv::loadLibrary(const std::string& path) {
    return WinDynamicLibrary::open(path);
}

std::string WinEnv::codeDirectory() {
    return module_directory();
}

}  // namespace vane
