// One open document.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "word/DocumentProperties.h"
#include "word/Fields.h"
#include "word/Footnotes.h"
#include "word/Hyperlinks.h"
#include "word/PageSetup.h"
#include "word/Sections.h"
#include "word/Shapes.h"
#include "word/Styles.h"
#include "word/Window.h"

namespace vane::word {

// Arguments of printOut that the callers set; everything else is left to the
// word processor's defaults.
struct PrintOptions {
    std::string outputFileName;  // printed into this file
    bool background = false;
    bool append = false;
    bool printToFile = true;
    // A backend that prints through a PDF exports it here (empty: beside
    // outputFileName) and hands it to preparePdf, which writes the printed
    // file; the caller removes the PDF. A print that fails removes it too.
    std::string pdfFileName{};
    std::function<void(const std::string& pdfPath, const std::string& outputPath)> preparePdf{};
};

class Document {
public:
    virtual ~Document() = default;
    // Makes this the active document (the one the selection belongs to).
    virtual void activate() = 0;
    // Closes the document, saving changes only when `saveChanges`.
    virtual void close(bool saveChanges) = 0;
    // Saves under `path` in `fileFormat` (kFormatFilteredHtml, ...), without
    // passwords, not read-only recommended.
    virtual void saveAs(const std::string& path, int fileFormat, bool addToRecentFiles) = 0;
    // Prints the document with the active printer.
    virtual void printOut(const PrintOptions& options) = 0;
    // Lays the pages out again, so that page positions are current.
    virtual void repaginate() = 0;
    // Accepts every tracked change.
    virtual void acceptAllRevisions() = 0;
    // Removes the document's protection; throws WordError when the document is
    // not protected or the password is wrong.
    virtual void unprotect(const std::string& password) = 0;

    // Fields of the main text, in document order.
    virtual std::unique_ptr<Fields> fields() = 0;
    // Hyperlinks of the main text and of its floating shapes, in document order.
    virtual std::unique_ptr<Hyperlinks> hyperlinks() = 0;
    // Floating shapes (text boxes, pictures ...).
    virtual std::unique_ptr<Shapes> shapes() = 0;
    virtual std::unique_ptr<Footnotes> footnotes() = 0;
    // The endnotes, in document order; their ranges report kEndnotesStory.
    virtual std::unique_ptr<Footnotes> endnotes() = 0;
    virtual std::unique_ptr<Sections> sections() = 0;
    // The window showing the document.
    virtual std::unique_ptr<Window> activeWindow() = 0;
    virtual std::unique_ptr<Styles> styles() = 0;
    // The page setup of the whole document (kUndefined where sections differ).
    virtual std::unique_ptr<PageSetup> pageSetup() = 0;
    virtual std::unique_ptr<DocumentProperties> builtInDocumentProperties() = 0;
};

}  // namespace vane::word
