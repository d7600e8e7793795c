#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vane::test {

#ifdef _WIN32
// No mkdtemp here: try numbered names until one can be created.
TempDir::TempDir() {
    const auto base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = base / ("vane-test-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}
#else
TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}
#endif

TempDir::~TempDir() {
    std::error_code ec;
    // Restore permissions a test may have taken away, then remove everything.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return path_ + "/" + name; }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write_text(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace vane::test
