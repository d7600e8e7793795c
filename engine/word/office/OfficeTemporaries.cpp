#include "word/office/OfficeTemporaries.h"

#include "platform/FolderScan.h"

namespace vane {

std::set<std::filesystem::path> office_temporaries(const std::filesystem::path& folder) {
    return files_named(folder, "lu", ".tmp");
}

void remove_office_leftovers(const std::filesystem::path& target, const std::set<std::filesystem::path>& earlier) {
    std::error_code error;
    std::filesystem::remove(target.parent_path() / (".~lock." + target.filename().string() + "#"), error);
    for (const auto& temporary : office_temporaries(target.parent_path()))
        if (!earlier.contains(temporary)) std::filesystem::remove_all(temporary, error);
}

}  // namespace vane
