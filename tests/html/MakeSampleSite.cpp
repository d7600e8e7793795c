// make_sample_site <export.html> <output directory>: publishes a site from an
// office HTML export the way the d2h command does after the word processor:
// filter, split, index with assets, frameset and "index.html". Used by the
// browser test.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/FileUtil.h"
#include "html/D2hNames.h"
#include "html/HTMLSplit.h"
#include "html/HTMLTree.h"
#include "html/HtmlFilterRunner.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample_site <export.html> <output directory>\n");
        return 2;
    }
    const std::string directory = argv[2];
    const std::string baseName = "sample";
    const std::string sitePage = directory + "/" + baseName + ".html";
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (!vane::copy_file(sitePage.c_str(), argv[1])) {
        std::fprintf(stderr, "cannot copy %s\n", argv[1]);
        return 1;
    }
    const std::string filtered = sitePage + ".filtered";
    if (!vane::run_html_filter(sitePage, filtered)) {
        std::fprintf(stderr, "the filter failed\n");
        return 1;
    }
    std::filesystem::rename(filtered, sitePage, ec);
    if (ec) return 1;

    std::vector<int> levels;
    std::vector<std::string> pages;
    std::vector<std::string> titles;
    vane::HTMLSplit split;
    split.headingLevel = 3;
    split.title = "Sample guide";
    split.inputPath = sitePage;
    split.levels = &levels;
    split.pages = &pages;
    split.titles = &titles;
    if (!split.Split()) {
        std::fprintf(stderr, "the split failed\n");
        return 1;
    }
    vane::HTMLTree tree;
    tree.inputPath = sitePage;
    tree.levels = &levels;
    tree.pages = &pages;
    tree.titles = &titles;
    if (!tree.Build()) {
        std::fprintf(stderr, "the index failed\n");
        return 1;
    }
    std::filesystem::rename(sitePage, directory + "/" + baseName + "_full.html", ec);
    const std::string mainPage = std::filesystem::path(pages.at(0)).filename().string();
    const std::string frameset = vane::frameset_page(baseName, "200", mainPage);
    if (!vane::write_file(sitePage.c_str(), frameset.size(), frameset.data())) return 1;
    if (!vane::copy_file((directory + "/index.html").c_str(), sitePage.c_str())) return 1;
    for (std::size_t i = 0; i < pages.size(); ++i)
        std::printf("%zu %d %s %s\n", i, levels[i], pages[i].c_str(), titles[i].c_str());
    return 0;
}
