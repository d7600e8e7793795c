// Cuts one long HTML document into numbered pages, one per heading of the
// chosen depth, each with the document's header, a Previous/Next bar, and its
// internal links pointed at the page that holds their target.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vane {

class HTMLSplit {
public:
    HTMLSplit();
    ~HTMLSplit();
    HTMLSplit(const HTMLSplit&) = delete;
    HTMLSplit& operator=(const HTMLSplit&) = delete;

    // Runs the whole split on the settings below. False on any failure; the
    // lists are meaningful after success. Prints no message of its own.
    bool Split();

    // Settings.
    int headingLevel = 3;     // deepest heading level that starts a page (clamped to 0..6)
    int skipCount = 0;        // leading qualifying headings that do not start a page
    bool homePage = true;     // false: page 0 stays empty
    bool anchorLinks = true;  // collect anchors and redirect "#" links
    bool verbose = false;     // trace each page-starting heading on standard output
    bool navigation = true;   // Previous/Next bar on pages 1 and up
    std::string title;        // title of page 0
    std::string inputPath;    // the whole-document HTML file

    // Out, owned by the caller; cleared and filled with one entry per page.
    std::vector<int>* levels = nullptr;
    std::vector<std::string>* pages = nullptr;  // full paths
    std::vector<std::string>* titles = nullptr;

private:
    bool writeImages() const;
    bool splitPages(std::FILE* input);
    bool finishPage(int page, bool last, const std::string& path);
    bool addNavigation(int page, bool last, std::string& out) const;
    void collectAnchors(int page, std::string_view text);
    bool redirectLinks();

    std::string pageName(int page) const;  // base name + "_<page>.html"
    std::string pagePath(int page) const;
    std::string tempPath() const;

    std::string directory_;
    std::string baseName_;
    int lastPage_ = 0;
    std::string pageText_;                          // the page that pass 1 is cutting
    std::string navigated_;                         // the same with its navigation bar
    std::unordered_map<std::string, int> anchors_;  // anchor name -> page number
};

}  // namespace vane
