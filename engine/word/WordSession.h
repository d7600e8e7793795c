// Owns the word processor for one command run: the open document, the
// printer to restore, and the application itself. The normal path closes,
// restores and quits explicitly; on any other path (an exception included)
// the destructor does what is left, ignoring errors, so that the word
// processor never outlives the run.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "word/Application.h"
#include "word/Document.h"

namespace vane::word {

class WordSession {
public:
    explicit WordSession(std::unique_ptr<Application> application);
    WordSession(const WordSession&) = delete;
    WordSession& operator=(const WordSession&) = delete;
    ~WordSession();

    Application& application() { return *application_; }
    // The open document, if any; the session closes it without saving.
    std::unique_ptr<Document>& document() { return document_; }

    // Activate the document before closing it (the printing route closes the
    // document it printed as the active one).
    void activateBeforeClose() { activateBeforeClose_ = true; }
    // Closes the document without saving; passes a failure on.
    void closeDocument();
    void closeDocumentQuietly();

    // Remembers the active printer, to be restored once.
    void savePrinter();
    void restorePrinter();
    void restorePrinterQuietly();

    // Quits once; a failure is passed on and not retried.
    void quit();
    void quitQuietly();

private:
    std::unique_ptr<Application> application_;
    std::unique_ptr<Document> document_;
    std::optional<std::string> savedPrinter_;
    bool activateBeforeClose_ = false;
    bool quitDone_ = false;
};

}  // namespace vane::word
