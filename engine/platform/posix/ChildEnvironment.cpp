#include "platform/posix/ChildEnvironment.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

extern char** environ;

namespace vane {

namespace {

constexpr const char kRuntimeVariable[] = "XDG_RUNTIME_DIR";

// Opens `path` as a directory without following a symbolic link; -1 if it is
// anything else.
int open_directory(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

}  // namespace

bool is_usable_runtime_directory(const char* path) {
    if (path == nullptr || *path != '/') return false;
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

std::string runtime_path_in(const std::string& parent) {
    return parent + "/vane-runtime-" + std::to_string(::geteuid());
}

}  // namespace

std::string private_runtime_path() { return runtime_path_in("/tmp"); }

std::string private_runtime_directory(const std::string& parent) {
    const std::string path = runtime_path_in(parent);
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return {};
    // Checked through a descriptor, so that the directory checked is the one
    // whose mode is tightened.
    const int fd = open_directory(path);
    if (fd < 0) return {};
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    // Ours but open to others (an older umask, a chmod): close it again.
    if (ok && (st.st_mode & 077) != 0) ok = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok ? path : std::string();
}

void provide_runtime_directory() {
    if (is_usable_runtime_directory(std::getenv(kRuntimeVariable))) return;
    const std::string own = private_runtime_directory("/tmp");
    if (!own.empty()) ::setenv(kRuntimeVariable, own.c_str(), 1);
}

std::vector<std::string> child_environment() {
    std::vector<std::string> entries;
    for (char** e = environ; e != nullptr && *e != nullptr; ++e) entries.emplace_back(*e);
    if (is_usable_runtime_directory(std::getenv(kRuntimeVariable))) return entries;
    const std::string own = private_runtime_directory("/tmp");
    if (own.empty()) return entries;
    const std::string prefix = std::string(kRuntimeVariable) + "=";
    std::erase_if(entries, [&](const std::string& e) { return e.compare(0, prefix.size(), prefix) == 0; });
    entries.push_back(prefix + own);
    return entries;
}

}  // namespace vane
