// The HTML splitter and the tree index on arbitrary documents: the first
// bytes choose every setting, the rest is the whole-document HTML file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "html/HTMLSplit.h"
#include "html/HTMLTree.h"

using vane::fuzz::Bytes;
using vane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const uint8_t level = in.take();
    const uint8_t skip = in.take();
    const uint8_t flags = in.take();
    const std::size_t titleLength = in.take() % 40;
    std::string title;
    for (std::size_t i = 0; i < titleLength && in.size() > 0; ++i) title += static_cast<char>(in.take());

    const std::string input = vane::fuzz::temp_dir() + "/doc.html";
    if (!vane::fuzz::write_bytes(input, in.data(), in.size())) return 0;

    std::vector<int> levels;
    std::vector<std::string> pages;
    std::vector<std::string> titles;
    vane::HTMLSplit split;
    split.headingLevel = level % 10 - 2;  // also out of range: the splitter clamps
    split.skipCount = skip % 8 - 1;
    split.homePage = (flags & 1) != 0;
    split.navigation = (flags & 2) != 0;
    split.anchorLinks = (flags & 4) != 0;
    split.title = title;
    split.inputPath = input;
    split.levels = &levels;
    split.pages = &pages;
    split.titles = &titles;
    if (split.Split()) {
        require(levels.size() == pages.size() && pages.size() == titles.size(),
                "split lists differ in length");
        require(!levels.empty() && levels[0] == 0, "no page 0 in the lists");
        require(!std::filesystem::exists(vane::fuzz::temp_dir() + "/tempfile.html"), "work copy left behind");
        for (const std::string& page : pages)
            require(std::filesystem::exists(page), "listed page not written");
        for (const std::string& page : pages)
            require(page.rfind(vane::fuzz::temp_dir() + "/", 0) == 0, "page outside the output directory");
        vane::HTMLTree tree;
        tree.inputPath = input;
        tree.homePage = (flags & 8) != 0;
        tree.excludeMarkers = (flags & 16) != 0;
        tree.levels = &levels;
        tree.pages = &pages;
        tree.titles = &titles;
        tree.Build();
        require(levels.size() == pages.size() && pages.size() == titles.size(),
                "tree lists differ in length");
    }
    vane::fuzz::clear_temp_dir();
    return 0;
}
