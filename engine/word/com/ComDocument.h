// One open document, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Document.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComDocument final : public Document {
public:
    explicit ComDocument(Dispatch object) : object_(std::move(object)) {}

    void activate() override;
    void close(bool saveChanges) override;
    void saveAs(const std::string& path, int fileFormat, bool addToRecentFiles) override;
    void printOut(const PrintOptions& options) override;
    void repaginate() override;
    void acceptAllRevisions() override;
    void unprotect(const std::string& password) override;
    std::unique_ptr<Fields> fields() override;
    std::unique_ptr<Hyperlinks> hyperlinks() override;
    std::unique_ptr<Shapes> shapes() override;
    std::unique_ptr<Footnotes> footnotes() override;
    std::unique_ptr<Footnotes> endnotes() override;
    std::unique_ptr<Sections> sections() override;
    std::unique_ptr<Window> activeWindow() override;
    std::unique_ptr<Styles> styles() override;
    std::unique_ptr<PageSetup> pageSetup() override;
    std::unique_ptr<DocumentProperties> builtInDocumentProperties() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
