// The d2p command: publishes one word-processor document as a PDF with an
// outline and links, through the word processor's print and a PDF producer.
// The printed file may run a PDF in the temporary folder (the office's print):
// that PDF is deleted once the producer has run, on every path.
#pragma once

#include <functional>
#include <string>

#include "pdf/D2pNames.h"
#include "pdf/ProducerRun.h"

namespace vane {

// The producer searches the command runs; the platform's unless replaced.
struct D2pProducerSearch {
    std::function<bool(const std::string&)> ghostscriptFolder;  // -c
    std::function<bool()> ghostscript;
    std::function<bool()> distiller;
    D2pProducerSearch();
};

class D2pCommand {
public:
    // The whole command without the closing wrapper: the result code
    // (0, -2, -3, -4, -5, -6, -7, -8, -13, -14).
    int run(int argc, char* argv[]);

    D2pProducerSearch search;

private:
    int readStartOptions(int argc, char* argv[]);
    int chooseProducer(int argc, char* argv[]);
    void derivePaths(int argc, char* argv[]);
    int checkPrinter(int argc, char* argv[]);
    int convert();
    int produce(int result, bool openOutline, const std::string& closingMarks);
    void deletePrintedPdf() const;

    std::string currentDirectory_;
    std::string operand_;
    int maxLevel_ = 6;
    bool links_ = true;
    bool openOutline_ = false;
    bool allHeadings_ = false;
    bool crossReferences_ = false;
    PdfProducer producer_ = PdfProducer::Ghostscript;
    std::string printer_;
    D2pNames names_;
};

}  // namespace vane
