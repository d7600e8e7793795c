// A DLL loaded with LoadLibrary; destroying it frees it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/DynamicLibrary.h"

namespace vane {

class WinDynamicLibrary final : public DynamicLibrary {
public:
    // Null when the library cannot be loaded.
    static std::unique_ptr<WinDynamicLibrary> open(const std::string& path);
    WinDynamicLibrary(const WinDynamicLibrary&) = delete;
    WinDynamicLibrary& operator=(const WinDynamicLibrary&) = delete;
    ~WinDynamicLibrary() override;

    void* symbol(const std::string& name) override;

private:
    explicit WinDynamicLibrary(HMODULE module) : module_(module) {}
    HMODULE module_;
};

// Folder of the module (DLL or program) that holds this function's code; empty when unknown.
std::string module_directory();

}  // namespace vane
