// Files that vanecore carries inside itself and writes out byte for byte:
// the site assets, the navigation images and the HTML filter program.
#pragma once

#include <cstddef>
#include <string_view>

namespace vane {

struct StoredBlock {
    const char* name;  // path below the asset folder, "/" separated: "img/plus.gif"
    const unsigned char* bytes;
    std::size_t size;
};

// The site files by name ("dtree.js", "img/plus.gif", "previous.png" ...); null if none.
const StoredBlock* find_site_block(std::string_view name);

// The HTML filter program; its size is 0 when this build has none.
const StoredBlock& stored_filter_program();

}  // namespace vane
