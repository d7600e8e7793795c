#include "word/office/OfficeBackend.h"

#include <cstdlib>

#include "frame/FileUtil.h"
#include "frame/LibraryState.h"
#include "platform/Env.h"
#include "word/WordError.h"
#include "word/office/OfficeModuleEntry.h"

namespace vane::word {

namespace {

// The module stays loaded for the life of the process: the office's runtime,
// once started, cannot be unloaded and started again.
DynamicLibrary* loaded_module() {
    static DynamicLibrary* module = nullptr;
    if (module == nullptr) module = env().loadLibrary(office_module_path()).release();
    return module;
}

bool display_available() {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

std::string office_module_path() {
    const std::string directory = env().codeDirectory();
    if (directory.empty()) return {};
    return directory + "/" + kVaneOfficeModuleName;
}

std::unique_ptr<Application> OfficeBackend::createApplication() {
    DynamicLibrary* module = loaded_module();
    if (module == nullptr) throw WordError("the office backend is not installed");
    const auto create = reinterpret_cast<VaneOfficeCreate>(module->symbol(kVaneOfficeCreateSymbol));
    if (create == nullptr) throw WordError("the office backend is not usable");
    char error[512] = {};
    Application* application =
        create(&env(), state().wordVisible && display_available(), error, sizeof error);
    if (application == nullptr) throw WordError(error[0] != '\0' ? error : "the office could not be started");
    return std::unique_ptr<Application>(application);
}

bool OfficeBackend::hostsPhases() {
    DynamicLibrary* module = loaded_module();
    if (module == nullptr || module->symbol(kVaneOfficeRunHostedSymbol) == nullptr) return false;
    const std::string directory = env().codeDirectory();
    return !directory.empty() && file_exists((directory + "/" + kVaneOfficeJobLibraryName).c_str());
}

HostedPhaseResult OfficeBackend::runHosted(const HostedPhase& phase) {
    HostedPhaseResult result;
    DynamicLibrary* module = loaded_module();
    const auto run = module != nullptr
                         ? reinterpret_cast<VaneOfficeRunHosted>(module->symbol(kVaneOfficeRunHostedSymbol))
                         : nullptr;
    if (run == nullptr) {
        result.failure = "the office backend is not usable";
        return result;
    }
    run(&env(), state().wordVisible && display_available(), &phase, &result);
    return result;
}

WordBackend& office_backend() {
    static OfficeBackend backend;
    return backend;
}

}  // namespace vane::word
