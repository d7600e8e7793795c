// Shared pieces of the office tests: one office for a whole test program,
// the corpus, and the office's own PDF rendering read back with poppler.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "word/Word.h"

namespace vane::test {

// The office shared by every test of the program (started on first use).
word::Application& shared_office();
void quit_shared_office();

std::string shared_dir();
// Word documents of the public corpus (.doc and .docx), sorted.
std::vector<std::string> corpus_documents();

// Runs a shell command; its standard output, empty on failure.
std::string run_output(const std::string& command);

struct PdfLine {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;  // words joined by single spaces
};
struct PdfPage {
    double width = 0, height = 0;
    std::vector<PdfLine> lines;
};
// The pages of a PDF as `pdftotext -bbox-layout` lays them out.
std::vector<PdfPage> read_pdf_layout(const std::string& pdfPath);

// Title of a heading as the outline would show it: up to the first control character.
std::string heading_title(const std::string& text);

}  // namespace vane::test
