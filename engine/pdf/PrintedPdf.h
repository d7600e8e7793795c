// Printing through a PDF the word processor exported. Its outline, link
// annotations and document information are removed (the marks make the
// publication's) and its landscape pages get /Rotate 90, so that their content
// lies on portrait paper with its top-left corner at the paper's top-right,
// where the landscape rules of the marks expect it. The printed file is a
// short program for the producer: a /Rotate 270 page mark per landscape page
// (the producer writes the pages it reads from a PDF without their /Rotate;
// the mark makes them display upright), then the line "(<pdf>) run", so that
// it reads the marks and the pages in one job. The PDF stays until the
// producer has run; whoever runs the producer removes it.
#pragma once

#include <string>
#include <vector>

namespace vane {

class PrintedPdf {
public:
    explicit PrintedPdf(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {}

    // Prepares the PDF in place and writes `outputPath`, the printed file that
    // runs it; throws std::runtime_error.
    void print(const std::string& outputPath) const;

private:
    std::string pdfPath_;
};

// The printed file's text: the page marks of the landscape pages (page n at
// index n - 1), then the line that runs `pdfPath`, the path a PostScript
// string (backslash and parentheses escaped, other bytes outside printable
// ASCII as octal escapes).
std::string printed_program(const std::string& pdfPath, const std::vector<bool>& landscape = {});

// Removes the outline, document information and link annotations from `pdf`
// (its bytes) and gives its landscape pages /Rotate 90; answers the new bytes.
// `landscape` receives which pages are landscape.
std::string prepare_printed_pdf(const std::string& pdf, std::vector<bool>& landscape);

}  // namespace vane
