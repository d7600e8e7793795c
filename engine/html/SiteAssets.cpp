#include "html/SiteAssets.h"

#include "frame/FileUtil.h"
#include "html/StoredBlock.h"

namespace vane {

namespace {

// The tree icons, in the order they are written.
constexpr const char* kIcons[] = {
    "base.gif",  "cd.gif",          "empty.gif",       "folder.gif",        "folderopen.gif",
    "globe.gif", "imgfolder.gif",   "join.gif",        "joinbottom.gif",    "line.gif",
    "minus.gif", "minusbottom.gif", "musicfolder.gif", "nolines_minus.gif", "nolines_plus.gif",
    "page.gif",  "plus.gif",        "plusbottom.gif",  "question.gif",      "trash.gif",
};

}  // namespace

bool write_site_block(const std::string& path, std::string_view name) {
    const StoredBlock* block = find_site_block(name);
    if (block == nullptr) return false;
    return write_file(path.c_str(), block->size, block->bytes);
}

bool write_site_assets(const std::string& directory, const std::string& baseName,
                       const std::string& styleSheetPath) {
    const std::string siteStyleSheet = directory + "/" + baseName + ".css";
    if (!styleSheetPath.empty() && file_exists(styleSheetPath.c_str())) {
        // A failed copy is not fatal: the site simply keeps what is there.
        copy_file(siteStyleSheet.c_str(), styleSheetPath.c_str());
    } else if (!write_site_block(siteStyleSheet, "site.css")) {
        return false;
    }
    if (!write_site_block(directory + "/dtree.js", "dtree.js")) return false;
    if (!write_site_block(directory + "/dtree.css", "dtree.css")) return false;

    const std::string images = directory + "/img";
    if (!ensure_directory(images.c_str())) return false;
    for (const char* icon : kIcons) {
        if (!write_site_block(images + "/" + icon, std::string("img/") + icon)) return false;
    }
    return true;
}

}  // namespace vane
