#include "discovery/ToolDiscovery.h"

#include <cstdlib>

#include "discovery/ExecutableSearch.h"
#include "discovery/ProducerPaths.h"
#include "discovery/Registry.h"
#include "discovery/RegistrySearch.h"
#include "frame/FileUtil.h"
#include "platform/Env.h"

namespace vane {

#if defined(_WIN32)

namespace {
bool program_exists(const std::string& path) {
    return file_exists(path.c_str());
}
}  // namespace

bool find_ghostscript() {
    return search_ghostscript_in_registry(registry(), program_exists);
}

bool find_distiller() {
    return search_distiller_in_registry(registry(), program_exists);
}

bool use_ghostscript_folder(const std::string& folder) {
    for (const char* program : {"\\bin\\gswin32c.exe", "\\bin\\gswin64c.exe"}) {
        const std::string path = folder + program;
        if (program_exists(path)) {
            producer_paths().ghostscript = path;
            return true;
        }
    }
    return false;
}

#else

bool find_ghostscript() {
    return search_ghostscript_on_path(std::getenv("PATH"));
}

// There is no Distiller here; the registry is not consulted.
bool find_distiller() {
    return false;
}

bool use_ghostscript_folder(const std::string& folder) {
    if (folder.empty()) return false;
    // The producer starts in its own folder, so a relative program path would
    // no longer lead to it: anchor the folder at the current directory.
    std::string path = folder.front() == '/' ? folder : env().currentDirectory() + "/" + folder;
    path += "/bin/gs";
    if (!is_executable_file(path)) return false;
    producer_paths().ghostscript = path;
    return true;
}

#endif

}  // namespace vane
