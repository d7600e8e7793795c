#include "platform/FolderScan.h"

#include <string>

namespace vane {

std::set<std::filesystem::path> files_named(const std::filesystem::path& folder, std::string_view prefix,
                                            std::string_view suffix) {
    std::set<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix))
            found.insert(it->path());
    }
    return found;
}

}  // namespace vane
