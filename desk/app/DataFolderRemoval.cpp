#include "DataFolderRemoval.h"

#include <filesystem>
#include <vector>

namespace vane::desk {

namespace fs = std::filesystem;

namespace {

void remove_folder(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    for (const fs::directory_entry& entry : entries) {
        std::error_code entryError;
        if (entry.is_directory(entryError) && !entry.is_symlink(entryError)) {
            if (!entry.path().filename().string().starts_with(".")) remove_folder(entry.path());
        } else {
            fs::remove(entry.path(), entryError);
        }
    }
    fs::remove(folder, ec);
}

}  // namespace

void remove_data_folder(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    if (fs::is_symlink(folder, ec)) return;  // never walk into what a link points at
    remove_folder(folder);
}

}  // namespace vane::desk
