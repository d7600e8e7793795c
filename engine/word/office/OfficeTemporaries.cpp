#include "word/office/OfficeTemporaries.h"

#include <string>

namespace vane {

std::set<std::filesystem::path> office_temporaries(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 6 && name.rfind("lu", 0) == 0 && name.ends_with(".tmp")) found.insert(it->path());
    }
    return found;
}

}  // namespace vane
