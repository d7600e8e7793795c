#include "platform/posix/PosixDynamicLibrary.h"

#include <dlfcn.h>

namespace vane {

std::unique_ptr<PosixDynamicLibrary> PosixDynamicLibrary::open(const std::string& path) {
    if (path.empty()) return nullptr;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    return std::unique_ptr<PosixDynamicLibrary>(new PosixDynamicLibrary(handle));
}

PosixDynamicLibrary::~PosixDynamicLibrary() {
    ::dlclose(handle_);
}

void* PosixDynamicLibrary::symbol(const std::string& name) {
    return ::dlsym(handle_, name.c_str());
}

std::string code_directory() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&code_directory), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace vane
