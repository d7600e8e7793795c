#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vane::fuzz {

namespace fs = std::filesystem;

namespace {

std::string make_temp_dir() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "vane-fuzz-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) {
        std::perror("vane-fuzz: mkdtemp");
        std::abort();
    }
    return pattern;
}

void remove_temp_dir() {
    std::error_code ec;
    fs::remove_all(temp_dir(), ec);
}

}  // namespace

const std::string& temp_dir() {
    // Never destroyed: the exit handler still needs it.
    static const std::string* const path = [] {
        auto* made = new std::string(make_temp_dir());
        std::atexit(remove_temp_dir);
        return made;
    }();
    return *path;
}

void clear_temp_dir() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(temp_dir(), ec)) fs::remove_all(entry.path(), ec);
}

bool write_bytes(const std::string& path, const void* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "vane-fuzz: invariant broken: %s\n", what);
    std::abort();
}

}  // namespace vane::fuzz
