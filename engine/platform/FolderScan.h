// Plain file look-ups in one folder, without the engine's state (the office
// module uses them too).
#pragma once

#include <filesystem>
#include <set>
#include <string_view>

namespace vane {

// The entries of `folder` whose names begin with `prefix` and end with
// `suffix`, with at least one character between; none when the folder cannot
// be read.
std::set<std::filesystem::path> files_named(const std::filesystem::path& folder, std::string_view prefix,
                                            std::string_view suffix);

}  // namespace vane
