// A shared library opened with dlopen (symbols bound at once, kept local).
#pragma once

#include <memory>
#include <string>

#include "platform/DynamicLibrary.h"

namespace vane {

class PosixDynamicLibrary final : public DynamicLibrary {
public:
    // Null when the library cannot be loaded.
    static std::unique_ptr<PosixDynamicLibrary> open(const std::string& path);
    PosixDynamicLibrary(const PosixDynamicLibrary&) = delete;
    PosixDynamicLibrary& operator=(const PosixDynamicLibrary&) = delete;
    ~PosixDynamicLibrary() override;

    void* symbol(const std::string& name) override;

private:
    explicit PosixDynamicLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};

// Directory of the binary that holds this function's code; empty when unknown.
std::string code_directory();

}  // namespace vane
