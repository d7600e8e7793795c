// What the corpus run found for one document: the counts of its table row and
// the checks it failed.
#pragma once

#include <string>
#include <vector>

namespace vane::test {

struct CorpusRow {
    std::string document;     // relative to the corpus folder: "public/name.docx"
    bool officeOpens = true;  // the office's own export produced a PDF
    int pages = 0;
    int outline = 0;
    int linksOurs = 0;
    int linksOffice = 0;
    int sitePages = 0;
    int brokenLinks = 0;
    int unbalancedPages = 0;
    double seconds = 0;  // both commands
    std::vector<std::string> failures;  // "check: detail", one per failed check

    // One tab-separated line: the columns of header(), then the failures joined by " | ".
    std::string tsv() const;
    static std::string header();
};

}  // namespace vane::test
