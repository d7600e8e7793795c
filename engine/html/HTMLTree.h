// Writes the site's left-hand index: a dTree of the split pages, nested by
// heading level, each node opening its page in the frame "main".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vane {

class HTMLTree {
public:
    HTMLTree();
    ~HTMLTree();
    HTMLTree(const HTMLTree&) = delete;
    HTMLTree& operator=(const HTMLTree&) = delete;

    // Filters the marked ranges out of the lists (with excludeMarkers), writes
    // the site assets, then the index page base name + "_index.html". True at
    // once, writing nothing, when the lists are empty. Prints nothing.
    bool Build();

    // The site's fixed files (stylesheet, dTree script, icons) beside the pages.
    bool WriteAssets();

    // Settings.
    std::string inputPath;        // the whole-document HTML file given to the splitter
    std::string styleSheetPath;   // a user stylesheet to publish instead of the built-in one
    bool homePage = true;         // page 0 is part of the site
    bool excludeMarkers = false;  // leave out the ranges between FV_EXCLUDE and FV_INCLUDE pages

    // The splitter's lists, owned by the caller; the marker filter rewrites them.
    std::vector<int>* levels = nullptr;
    std::vector<std::string>* pages = nullptr;
    std::vector<std::string>* titles = nullptr;

private:
    void dropMarkedRanges();
    void computeDepths();
    bool WriteIndex();
    bool AddNodes(int& position, int count, int parent);

    std::string directory_;
    std::string baseName_;
    std::string target_;
    std::string indexPath_;
    std::string startPage_;
    std::string rootTitle_;
    std::vector<int> depths_;
    std::FILE* index_ = nullptr;  // open only while WriteIndex runs
};

}  // namespace vane
