#include "CorpusRow.h"

#include <cstdio>

namespace vane::test {

std::string CorpusRow::header() {
    return "document\tpages\toutline\tlinks_ours\tlinks_office\tsite_pages\tbroken_links\tunbalanced_pages\t"
           "seconds\tresult\tfailures";
}

std::string CorpusRow::tsv() const {
    std::string failed;
    for (const std::string& f : failures) {
        std::string clean = f;
        for (char& c : clean)
            if (c == '\t' || c == '\n' || c == '\r') c = ' ';
        failed += (failed.empty() ? "" : " | ") + clean;
    }
    char seconds_[32];
    std::snprintf(seconds_, sizeof seconds_, "%.1f", seconds);
    const std::string result = !failures.empty() ? "FAIL" : officeOpens ? "pass" : "pass (office cannot open)";
    return document + "\t" + std::to_string(pages) + "\t" + std::to_string(outline) + "\t" +
           std::to_string(linksOurs) + "\t" + std::to_string(linksOffice) + "\t" + std::to_string(sitePages) +
           "\t" + std::to_string(brokenLinks) + "\t" + std::to_string(unbalancedPages) + "\t" + seconds_ + "\t" +
           result + "\t" + failed;
}

}  // namespace vane::test
