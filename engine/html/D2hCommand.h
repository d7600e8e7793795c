// The d2h command: publishes one word-processor document as a framed HTML
// site (frameset page, tree index, one page per heading, assets).
#pragma once

#include <string>
#include <vector>

#include "html/D2hNames.h"

namespace vane {

class D2hCommand {
public:
    // The whole command without the closing wrapper: the result code
    // (0, -2, -3, -4, -5, -7, -8, -10, -11).
    int run(int argc, char* argv[]);

private:
    int readOptions(int argc, char* argv[]);
    void prepareOutput();
    void eraseOutput() const;
    int publish();
    std::string mainPage() const;
    enum class FramesetWrite { Written, NotCreated, Short };
    FramesetWrite writeFrameset(const std::string& page);
    // False when a copy could not be written (reported).
    bool copySitePage() const;

    // Options.
    std::string indexWidth_ = "150";  // -p
    int headingLevel_ = 3;            // -d
    int skipCount_ = 0;               // -k
    std::string styleSheet_;          // -c
    bool navigation_ = true;          // -n ON|OFF
    bool excludeMarkers_ = false;     // -x, only with -n OFF
    bool erase_ = false;              // -e, not with -z
    bool noHomePage_ = false;         // -m
    bool reuse_ = false;              // -z
    bool allHeadings_ = false;        // -a
    std::string title_;               // -t; empty: the document's title, else the base name

    std::string currentDirectory_;
    D2hNames names_;
    std::string documentTitle_;
    std::vector<int> levels_;
    std::vector<std::string> pages_;
    std::vector<std::string> titles_;
};

}  // namespace vane
