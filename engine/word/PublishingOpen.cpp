#include "word/PublishingOpen.h"

#include <exception>
#include <memory>
#include <utility>

#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "word/CDocinfo.h"
#include "word/Word.h"
#include "word/WordBackend.h"
#include "word/WordSession.h"

namespace vane::word {

PublishingOpen::Start PublishingOpen::start(const HostedPhase& phase) {
    print_normal(msg::kOpening);
    print_verbose(msg::kStartWord);
    Start start;
    if (word_backend().hostsPhases()) {
        start.hosted = word_backend().runHosted(phase);
        start.started = start.hosted->started;
    } else {
        try {
            start.application = word_backend().createApplication();
        } catch (const std::exception&) {
            start.application.reset();
        }
        start.started = start.application != nullptr;
    }
    if (!start.started) print_message(msg::kCannotStartWord);
    return start;
}

PublishingOpen::PublishingOpen(std::string workingCopy, std::optional<std::string> printer)
    : workingCopy_(std::move(workingCopy)), printer_(std::move(printer)) {}

PublishingOpen::Outcome PublishingOpen::run(WordSession& session, CDocinfo& info) const {
    Application& app = session.application();
    app.setVisible(state().wordVisible);
    if (printer_) session.savePrinter();

    std::unique_ptr<Documents> documents = app.documents();
    if (!documents) return Outcome::NoDocuments;

    print_verbose(msg::kOpenDocument);
    const OpenOptions options{.confirmConversions = false,
                              .readOnly = false,
                              .addToRecentFiles = false,
                              .revert = false,
                              .visible = true};
    session.document() = documents->open(workingCopy_, options);
    if (!session.document()) {
        print_message(msg::kCannotOpenDocument);
        return Outcome::NotOpened;
    }
    Document& doc = *session.document();

    print_verbose(msg::kRemoveRevisions);
    doc.acceptAllRevisions();
    try {
        doc.unprotect("");
    } catch (const WordError&) {
        // Not protected: nothing to remove.
    }

    if (printer_) {
        print_verbose(msg::kChangePrinter);
        app.setActivePrinter(*printer_);
        print_verbose(msg::kActivate);
        doc.activate();
    }

    print_verbose(msg::kPageView);
    std::unique_ptr<Window> window = doc.activeWindow();
    std::unique_ptr<Pane> pane = window ? window->activePane() : nullptr;
    std::unique_ptr<View> view = pane ? pane->view() : nullptr;
    if (!view) throw WordError("the document has no view");
    view->setType(kViewPrintLayout);

    print_verbose(msg::kInitDocument);
    return info.load(app, doc) < 0 ? Outcome::NoInformation : Outcome::Opened;
}

}  // namespace vane::word
