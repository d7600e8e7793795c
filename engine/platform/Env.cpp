#include "platform/Env.h"

#include <filesystem>
#include <system_error>

#include "platform/Spooler.h"

namespace vane {

namespace {
Env* installed = nullptr;
}

Env& env() { return installed != nullptr ? *installed : Env::platform(); }

void set_env(Env* replacement) { installed = replacement; }

Spooler& Env::spooler() { return Spooler::platform(); }

std::string Env::temporaryDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::temp_directory_path(error);
    return error ? std::string() : path.string();
}

std::FILE* Env::openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool Env::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* file = openFile(path, "rb");
    if (file == nullptr) return false;
    char block[16384];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool Env::writeFile(const std::string& path, const void* bytes, std::size_t size) {
    std::FILE* file = openFile(path, "w+b");
    if (file == nullptr) return false;
    const std::size_t written = size == 0 ? 0 : std::fwrite(bytes, 1, size, file);
    const bool closed = std::fclose(file) == 0;
    if (written != size || !closed) {
        removeFile(path);
        return false;
    }
    return true;
}

bool Env::renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool Env::removeFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

bool Env::createDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error) && !error;
}

bool Env::removeDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

bool Env::listDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) {
    namespace fs = std::filesystem;
    entries.clear();
    std::error_code error;
    fs::directory_iterator it(path, error);
    if (error) return false;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return false;
        const fs::file_status status = it->symlink_status(error);
        DirectoryEntry entry;
        entry.name = it->path().filename().string();
        if (fs::is_directory(status)) {
            entry.kind = DirectoryEntry::Kind::Directory;
        } else if (fs::is_regular_file(status)) {
            entry.kind = DirectoryEntry::Kind::File;
        }
        entries.push_back(std::move(entry));
    }
    return !error;
}

}  // namespace vane
