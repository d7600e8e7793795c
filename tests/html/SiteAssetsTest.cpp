// The site assets: every stored file written byte for byte, the built-in
// stylesheet against its golden file, and the failure paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "html/SiteAssets.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

std::string source_dir() {
    const char* dir = std::getenv("VANE_SOURCE_DIR");
    return dir != nullptr ? dir : VANE_SOURCE_DIR_DEFAULT;
}

std::string asset_source(const std::string& name) {
    return read_file(source_dir() + "/engine/html/assets/" + name);
}

// Written name in the site, stored file it must equal.
struct AssetCase {
    const char* written;
    const char* stored;
};

constexpr AssetCase kAssets[] = {
    {"manual.css", "site.css"},
    {"dtree.js", "dtree.js"},
    {"dtree.css", "dtree.css"},
    {"img/base.gif", "img/base.gif"},
    {"img/cd.gif", "img/cd.gif"},
    {"img/empty.gif", "img/empty.gif"},
    {"img/folder.gif", "img/folder.gif"},
    {"img/folderopen.gif", "img/folderopen.gif"},
    {"img/globe.gif", "img/globe.gif"},
    {"img/imgfolder.gif", "img/imgfolder.gif"},
    {"img/join.gif", "img/join.gif"},
    {"img/joinbottom.gif", "img/joinbottom.gif"},
    {"img/line.gif", "img/line.gif"},
    {"img/minus.gif", "img/minus.gif"},
    {"img/minusbottom.gif", "img/minusbottom.gif"},
    {"img/musicfolder.gif", "img/musicfolder.gif"},
    {"img/nolines_minus.gif", "img/nolines_minus.gif"},
    {"img/nolines_plus.gif", "img/nolines_plus.gif"},
    {"img/page.gif", "img/page.gif"},
    {"img/plus.gif", "img/plus.gif"},
    {"img/plusbottom.gif", "img/plusbottom.gif"},
    {"img/question.gif", "img/question.gif"},
    {"img/trash.gif", "img/trash.gif"},
};

TEST(SiteAssetsTest, WritesEveryStoredFileUnchanged) {
    TempDir dir;
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", ""));
    for (const AssetCase& c : kAssets) {
        SCOPED_TRACE(c.written);
        const std::string expected = asset_source(c.stored);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(read_file(dir.file(c.written)), expected);
    }
    // Exactly these files and the folder: nothing else is written.
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
        if (entry.is_regular_file()) ++count;
    }
    EXPECT_EQ(count, std::size(kAssets));
}

TEST(SiteAssetsTest, BuiltInStylesheetMatchesGolden) {
    TempDir dir;
    ASSERT_TRUE(write_site_assets(dir.path(), "guide", ""));
    const std::string golden = read_file(source_dir() + "/tests/data/html/assets/site_stylesheet.css");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(read_file(dir.file("guide.css")), golden);
}

TEST(SiteAssetsTest, SecondRunRewritesIdenticalBytes) {
    TempDir dir;
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", ""));
    // Damage two files: the second run must replace them, not keep them.
    write_text(dir.file("dtree.js"), "broken");
    write_text(dir.file("img/plus.gif"), "");
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", ""));
    for (const AssetCase& c : kAssets) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(read_file(dir.file(c.written)), asset_source(c.stored));
    }
}

TEST(SiteAssetsTest, UserStylesheetIsCopiedInsteadOfTheBuiltInOne) {
    TempDir dir;
    const std::string user = dir.file("mine.css");
    write_text(user, "body { color: red; }\r\n");
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", user));
    EXPECT_EQ(read_file(dir.file("manual.css")), "body { color: red; }\r\n");
}

TEST(SiteAssetsTest, MissingUserStylesheetFallsBackToTheBuiltInOne) {
    TempDir dir;
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", dir.file("absent.css")));
    EXPECT_EQ(read_file(dir.file("manual.css")), asset_source("site.css"));
}

TEST(SiteAssetsTest, ImgAsPlainFileFailsAtTheFirstIcon) {
    TempDir dir;
    write_text(dir.file("img"), "not a folder");
    EXPECT_FALSE(write_site_assets(dir.path(), "manual", ""));
    // What came before the icons is in place; the plain file is untouched.
    EXPECT_EQ(read_file(dir.file("dtree.js")), asset_source("dtree.js"));
    EXPECT_EQ(read_file(dir.file("dtree.css")), asset_source("dtree.css"));
    EXPECT_EQ(read_file(dir.file("img")), "not a folder");
}

TEST(SiteAssetsTest, MissingDirectoryFails) {
    TempDir dir;
    EXPECT_FALSE(write_site_assets(dir.file("no/such"), "manual", ""));
}

// GIF89a header and logical screen size of each icon.
struct IconCase {
    const char* name;
    int width;
    int height;
};

constexpr IconCase kIconSizes[] = {
    {"base.gif", 19, 18},         {"cd.gif", 19, 17},
    {"empty.gif", 18, 18},        {"folder.gif", 18, 18},
    {"folderopen.gif", 18, 18},   {"globe.gif", 19, 18},
    {"imgfolder.gif", 18, 18},    {"join.gif", 18, 18},
    {"joinbottom.gif", 18, 18},   {"line.gif", 18, 18},
    {"minus.gif", 18, 18},        {"minusbottom.gif", 18, 18},
    {"musicfolder.gif", 18, 18},  {"nolines_minus.gif", 18, 18},
    {"nolines_plus.gif", 18, 18}, {"page.gif", 18, 18},
    {"plus.gif", 18, 18},         {"plusbottom.gif", 18, 18},
    {"question.gif", 18, 18},     {"trash.gif", 18, 18},
};

int le16(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

int be32(const std::string& bytes, std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(SiteAssetsTest, IconsAreGif89aOfTheirSizes) {
    TempDir dir;
    ASSERT_TRUE(write_site_assets(dir.path(), "manual", ""));
    for (const IconCase& c : kIconSizes) {
        SCOPED_TRACE(c.name);
        const std::string gif = read_file(dir.file(std::string("img/") + c.name));
        ASSERT_GT(gif.size(), 13u);
        EXPECT_EQ(gif.substr(0, 6), "GIF89a");
        EXPECT_EQ(le16(gif, 6), c.width);
        EXPECT_EQ(le16(gif, 8), c.height);
        EXPECT_EQ(gif.back(), ';');  // trailer
    }
}

TEST(SiteAssetsTest, NavigationImagesAre48PixelPngsWithAlpha) {
    TempDir dir;
    for (const char* name : {"previous.png", "next.png"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(write_site_block(dir.file(name), name));
        const std::string png = read_file(dir.file(name));
        ASSERT_GT(png.size(), 33u);
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        EXPECT_EQ(be32(png, 16), 48);
        EXPECT_EQ(be32(png, 20), 48);
        EXPECT_EQ(png[25], 6);  // colour type: RGB with alpha
    }
    EXPECT_NE(read_file(dir.file("previous.png")), read_file(dir.file("next.png")));
    EXPECT_FALSE(write_site_block(dir.file("other.png"), "other.png"));
}

}  // namespace
}  // namespace vane
