#include "word/WordSession.h"

namespace vane::word {

namespace {

template <typename F>
void quietly(F f) {
    try {
        f();
    } catch (...) {
        // Cleaning up: the run has already failed or is ending.
    }
}

}  // namespace

WordSession::WordSession(std::unique_ptr<Application> application) : application_(std::move(application)) {}

WordSession::~WordSession() {
    closeDocumentQuietly();
    restorePrinterQuietly();
    if (application_ && !quitDone_) quitQuietly();
}

void WordSession::closeDocument() {
    std::unique_ptr<Document> doc = std::move(document_);
    if (!doc) return;
    if (activateBeforeClose_) doc->activate();
    doc->close(false);
}

void WordSession::closeDocumentQuietly() {
    quietly([this] { closeDocument(); });
}

void WordSession::savePrinter() { savedPrinter_ = application_->activePrinter(); }

void WordSession::restorePrinter() {
    if (!savedPrinter_) return;
    const std::string name = *savedPrinter_;
    savedPrinter_.reset();
    application_->setActivePrinter(name);
}

void WordSession::restorePrinterQuietly() {
    quietly([this] { restorePrinter(); });
}

void WordSession::quit() {
    quitDone_ = true;
    application_->quit();
}

void WordSession::quitQuietly() {
    quietly([this] { quit(); });
}

}  // namespace vane::word
