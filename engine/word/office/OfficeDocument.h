// One document open in the office.
#pragma once

#include <memory>

#include "word/Document.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeDocument final : public word::Document {
public:
    OfficeDocument(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
        : session_(std::move(session)), document_(std::move(document)) {}

    void activate() override;
    void close(bool saveChanges) override;
    void saveAs(const std::string& path, int fileFormat, bool addToRecentFiles) override;
    void printOut(const word::PrintOptions& options) override;
    void repaginate() override;
    void acceptAllRevisions() override;
    void unprotect(const std::string& password) override;

    std::unique_ptr<word::Fields> fields() override;
    std::unique_ptr<word::Hyperlinks> hyperlinks() override;
    std::unique_ptr<word::Shapes> shapes() override;
    std::unique_ptr<word::Footnotes> footnotes() override;
    std::unique_ptr<word::Footnotes> endnotes() override;
    std::unique_ptr<word::Sections> sections() override;
    std::unique_ptr<word::Window> activeWindow() override;
    std::unique_ptr<word::Styles> styles() override;
    std::unique_ptr<word::PageSetup> pageSetup() override;
    std::unique_ptr<word::DocumentProperties> builtInDocumentProperties() override;

    // The office's own PDF export of the loaded document (what printing starts from).
    void exportPdf(const std::string& path);
    // The loaded document behind this one (positions, pages).
    const std::shared_ptr<DocumentSession>& session() const { return document_; }

private:
    DocumentSession& open() const;

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
};

}  // namespace vane
