// The fixed files of a published site, written from the blocks vanecore
// carries: the site stylesheet, the tree script and stylesheet, the tree icons
// in "img", and the navigation images of the pages.
#pragma once

#include <string>
#include <string_view>

namespace vane {

// Writes into `directory`: baseName + ".css" (a copy of `styleSheetPath` when
// that names a readable file, else the built-in stylesheet), "dtree.js",
// "dtree.css", then the twenty icons in "img". Stops at the first failure and
// returns false; files written before it stay. Existing files are replaced.
bool write_site_assets(const std::string& directory, const std::string& baseName,
                       const std::string& styleSheetPath);

// Writes one stored site file ("previous.png", "next.png" ...) to `path`;
// false when there is no such block or the file cannot be written whole.
bool write_site_block(const std::string& path, std::string_view name);

}  // namespace vane
