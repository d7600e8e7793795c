// Publishes one corpus document with both commands, as a user would (the vane
// host, the office, Ghostscript and a CUPS queue), exports it with the office
// itself for reference, and applies the corpus checks to the results.
#pragma once

#include <string>

#include "CorpusRow.h"
#include "TempDir.h"

namespace vane::test {

class CorpusRun {
public:
    // `vane`: the host program; `queue`: an installed PostScript printer.
    CorpusRun(std::string vane, std::string queue);

    // `document` relative to the shared corpus folder ("public/name.docx").
    CorpusRow run(const std::string& document);

private:
    struct Command {
        int status = -1;
        std::string out;
        double seconds = 0;
    };
    Command shell(const std::string& command) const;
    void checkD2p(const std::string& pdf, const std::string& officePdf, CorpusRow& row);
    void checkD2h(const std::string& siteDir, const std::string& baseName, CorpusRow& row);
    // A command the office cannot help must still end cleanly: exit 1 with its error line.
    static void checkCleanFailure(const std::string& name, const Command& c, CorpusRow& row);

    std::string vane_;
    std::string queue_;
    TempDir work_;  // one office profile for the whole run, a folder per document
    int serial_ = 0;
};

}  // namespace vane::test
