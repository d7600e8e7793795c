// What the office leaves beside a file it stores: its lock file
// (".~lock.<name>#"), and its own temporary files ("lu<...>.tmp") when it was
// killed while storing.
#pragma once

#include <filesystem>
#include <set>

namespace vane {

std::set<std::filesystem::path> office_temporaries(const std::filesystem::path& folder);

// Removes the lock file of `target` and, beside it, the office's temporary
// files that are not among `earlier`; errors are ignored.
void remove_office_leftovers(const std::filesystem::path& target, const std::set<std::filesystem::path>& earlier);

}  // namespace vane
