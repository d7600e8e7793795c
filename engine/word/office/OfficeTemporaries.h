// The office's own temporary files in a folder ("lu<...>.tmp"): what an
// office killed while storing a file leaves beside it.
#pragma once

#include <filesystem>
#include <set>

namespace vane {

std::set<std::filesystem::path> office_temporaries(const std::filesystem::path& folder);

}  // namespace vane
