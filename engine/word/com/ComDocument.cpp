#include "word/com/ComDocument.h"

#include <utility>
#include <vector>

#include "word/com/ComDocumentProperties.h"
#include "word/com/ComFields.h"
#include "word/com/ComFootnotes.h"
#include "word/com/ComHyperlinks.h"
#include "word/com/ComPageSetup.h"
#include "word/com/ComSections.h"
#include "word/com/ComShapes.h"
#include "word/com/ComStyles.h"
#include "word/com/ComWindow.h"

namespace vane::word {

void ComDocument::activate() {
    object_.call(0x71);
}

void ComDocument::close(bool saveChanges) {
    object_.call(0x451, {ComVariant::boolean(saveChanges), ComVariant::missing(), ComVariant::missing()});
}

void ComDocument::saveAs(const std::string& path, int fileFormat, bool addToRecentFiles) {
    // File name, format, lock comments, password, recent files, write
    // password, read-only recommended; the rest left to the word processor.
    object_.call(0x66,
                 {ComVariant::text(path, true), ComVariant::integer(fileFormat), ComVariant::boolean(false),
                  ComVariant::text(""), ComVariant::boolean(addToRecentFiles), ComVariant::text(""),
                  ComVariant::boolean(false), ComVariant::missing(), ComVariant::missing(),
                  ComVariant::missing(), ComVariant::missing()});
}

void ComDocument::printOut(const PrintOptions& options) {
    // Background, append, range, output file, from, to, item, copies,
    // pages, page type, print to file, then seven more, all omitted.
    std::vector<ComVariant> arguments(18, ComVariant::missing());
    arguments[0] = ComVariant::boolean(options.background);
    arguments[1] = ComVariant::boolean(options.append);
    arguments[3] = ComVariant::text(options.outputFileName, true);
    arguments[10] = ComVariant::boolean(options.printToFile);
    object_.call(0x1BC, std::move(arguments));
}

void ComDocument::repaginate() {
    object_.call(0x67);
}

void ComDocument::acceptAllRevisions() {
    object_.call(0x13D);
}

void ComDocument::unprotect(const std::string& password) {
    object_.call(0x79, {ComVariant::text(password)});
}

std::unique_ptr<Fields> ComDocument::fields() {
    return std::make_unique<ComFields>(object_.getObject(0x14));
}

std::unique_ptr<Hyperlinks> ComDocument::hyperlinks() {
    return std::make_unique<ComHyperlinks>(object_.getObject(0x3D));
}

std::unique_ptr<Shapes> ComDocument::shapes() {
    return std::make_unique<ComShapes>(object_.getObject(0x3E));
}

std::unique_ptr<Footnotes> ComDocument::footnotes() {
    return std::make_unique<ComFootnotes>(object_.getObject(0x7));
}

std::unique_ptr<Footnotes> ComDocument::endnotes() {
    return std::make_unique<ComFootnotes>(object_.getObject(0x8));
}

std::unique_ptr<Sections> ComDocument::sections() {
    return std::make_unique<ComSections>(object_.getObject(0xF));
}

std::unique_ptr<Window> ComDocument::activeWindow() {
    return std::make_unique<ComWindow>(object_.getObject(0x2A));
}

std::unique_ptr<Styles> ComDocument::styles() {
    return std::make_unique<ComStyles>(object_.getObject(0x16));
}

std::unique_ptr<PageSetup> ComDocument::pageSetup() {
    return std::make_unique<ComPageSetup>(object_.getObject(0x44D));
}

std::unique_ptr<DocumentProperties> ComDocument::builtInDocumentProperties() {
    return std::make_unique<ComDocumentProperties>(object_.getObject(0x3E8));
}

}  // namespace vane::word
