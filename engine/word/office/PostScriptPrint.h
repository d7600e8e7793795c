// Printing to a PostScript file. The office exports the document as PDF;
// landscape pages get /Rotate 90 so that their content lies on portrait paper
// with its top-left corner at the paper's top-right; pdftocairo turns that
// PDF into PostScript (keeping the text searchable after Ghostscript), and
// each landscape page's setup gets a /Rotate 270 page mark so that the final
// PDF shows it upright. Glyphs that draw several letters get their text back
// from the exported PDF (LigatureGlyphNames.h). Intermediate files are
// removed with the object.
#pragma once

#include <string>
#include <vector>

namespace vane {

class Env;

class PostScriptPrint {
public:
    PostScriptPrint(Env& env, std::string outputPath);
    PostScriptPrint(const PostScriptPrint&) = delete;
    PostScriptPrint& operator=(const PostScriptPrint&) = delete;
    ~PostScriptPrint();

    // Where the office is to export the PDF.
    const std::string& pdfPath() const { return pdfPath_; }
    // Writes the PostScript file; throws std::runtime_error on failure.
    void run() const;

private:
    std::vector<bool> rotateLandscapePages() const;
    void convert() const;

    Env& env_;
    std::string outputPath_;
    std::string pdfPath_;
    std::string rotatedPath_;
    std::string rawPath_;
};

// The files a print into `outputPath` makes on the way (removed with the
// object; an office that dies while printing leaves them to its caller).
std::vector<std::string> print_intermediates(const std::string& outputPath);

// Adds "[ /Rotate 270 /PAGE pdfmark" after the page setup of every page
// flagged in `landscape` (page n at index n - 1).
std::string mark_landscape_pages(const std::string& postScript, const std::vector<bool>& landscape);

}  // namespace vane
