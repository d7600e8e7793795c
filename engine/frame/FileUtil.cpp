#include "frame/FileUtil.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "frame/File.h"
#include "platform/Env.h"

namespace vane {

namespace fs = std::filesystem;

bool file_exists(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    return File::open(path, "rb").isOpen();
}

bool path_exists(const char* path) {
    if (path == nullptr) return false;
    std::string p = path;
    if (!p.empty() && p.back() == '/') p.pop_back();
    if (!p.empty() && p.back() == '\\') p.pop_back();
    if (p.empty()) return false;
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec)) || fs::exists(p, ec);
}

bool ensure_directory(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    if (path_exists(path)) return true;
    return env().createDirectory(path);
}

void delete_file(const char* path) {
    if (path == nullptr || *path == '\0') return;
    env().removeFile(path);
}

namespace {

bool copy_into(const char* destination, const char* source, const char* mode) {
    if (destination == nullptr || *destination == '\0' || source == nullptr || *source == '\0')
        return false;
    File in = File::open(source, "rb");
    if (!in.isOpen()) return false;
    File out = File::open(destination, mode);
    if (!out.isOpen()) return false;
    char block[kCopyBlockSize];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, in.get());
        if (got == 0) break;
        if (std::fwrite(block, 1, got, out.get()) != got) return false;
        if (got < sizeof block) break;
    }
    if (std::ferror(in.get())) return false;
    return out.close();
}

}  // namespace

bool copy_file(const char* destination, const char* source) {
    return copy_into(destination, source, "wb");
}

bool append_file(const char* destination, const char* source) {
    return copy_into(destination, source, "a+b");
}

bool write_file(const char* path, std::size_t size, const void* bytes) {
    if (path == nullptr || *path == '\0') return false;
    return env().writeFile(path, bytes, size);
}

namespace {

bool remove_tree(const std::string& directory) {
    Env& services = env();
    std::vector<DirectoryEntry> entries;
    if (!services.listDirectory(directory, entries)) return false;
    bool ok = true;
    for (const DirectoryEntry& entry : entries) {
        const std::string path = (fs::path(directory) / entry.name).string();
        if (entry.kind == DirectoryEntry::Kind::Directory) {
            if (entry.name.starts_with('.')) continue;
            ok = remove_tree(path) && ok;
        } else {
            ok = services.removeFile(path) && ok;  // files and symbolic links alike
        }
    }
    return services.removeDirectory(directory) && ok;
}

}  // namespace

bool delete_tree(const char* directory) {
    if (directory == nullptr || *directory == '\0') return true;
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(directory, ec);
    if (!fs::exists(st)) return true;
    if (fs::is_symlink(st)) return env().removeFile(directory);
    if (!fs::is_directory(st)) return false;
    return remove_tree(directory);
}

std::size_t read_line(std::FILE* file, char* buffer) {
    buffer[0] = '\0';
    if (file == nullptr || std::fgets(buffer, static_cast<int>(kReadLineMax + 1), file) == nullptr)
        return 0;
    std::size_t length = std::strlen(buffer);
    const std::size_t read = length;
    if (length > 0 && buffer[length - 1] == '\n') buffer[--length] = '\0';
    if (length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
    return read;
}

}  // namespace vane
