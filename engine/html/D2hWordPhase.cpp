#include "html/D2hWordPhase.h"

#include <exception>
#include <memory>

#include "frame/FileUtil.h"
#include "frame/LibraryState.h"
#include "frame/Messages.h"
#include "html/OutlineHeadings.h"
#include "pdf/CDocinfo.h"
#include "word/HostedPhase.h"
#include "word/Word.h"
#include "word/WordBackend.h"
#include "word/WordSession.h"

namespace vane {

namespace {

constexpr int kCannotCopy = 135;
constexpr int kOpening = 136;
constexpr int kStartWord = 137;
constexpr int kCannotStartWord = 138;
constexpr int kOpenDocument = 142;
constexpr int kCannotOpenDocument = 143;
constexpr int kRemoveRevisions = 144;
constexpr int kPageView = 145;
constexpr int kInitDocument = 148;
constexpr int kNoDocumentInfo = 149;
constexpr int kSavingHtml = 161;
constexpr int kClosingDocument = 162;
constexpr int kProcessingError = 164;
constexpr int kClosingWord = 165;

constexpr int kResultWorkingCopy = -5;
constexpr int kResultWord = -7;
constexpr int kResultDocument = -8;
// Internal: the document information could not be read.
constexpr int kInfoFailed = 1;

// Opening, revisions, page view, information and the HTML save of an open
// session (with `allHeadings`, outline paragraphs saved as headings); the result code, 0 on success. Throws
// on word-processor errors.
int open_and_save(word::WordSession& session, const D2hNames& names, bool allHeadings, std::string& title) {
    word::Application& app = session.application();
    app.setVisible(state().wordVisible);
    std::unique_ptr<word::Documents> documents = app.documents();
    if (!documents) return kResultWord;

    print_verbose(kOpenDocument);
    word::OpenOptions options;
    options.confirmConversions = false;
    options.readOnly = false;
    options.addToRecentFiles = false;
    options.visible = true;
    session.document() = documents->open(names.workingCopy, options);
    if (!session.document()) {
        print_message(kCannotOpenDocument);
        return kResultDocument;
    }
    word::Document& doc = *session.document();

    print_verbose(kRemoveRevisions);
    doc.acceptAllRevisions();
    try {
        doc.unprotect("");
    } catch (const word::WordError&) {
        // Not protected: nothing to remove.
    }

    print_verbose(kPageView);
    std::unique_ptr<word::Window> window = doc.activeWindow();
    std::unique_ptr<word::Pane> pane = window ? window->activePane() : nullptr;
    std::unique_ptr<word::View> view = pane ? pane->view() : nullptr;
    if (!view) throw word::WordError("the document has no view");
    view->setType(word::kViewPrintLayout);

    print_verbose(kInitDocument);
    CDocinfo info;
    if (info.load(app, doc) < 0) return kInfoFailed;
    title = info.title;

    OutlineHeadings outline;
    if (allHeadings) outline.collect(app);

    print_normal(kSavingHtml);
    doc.saveAs(names.sitePage, word::kFormatFilteredHtml, true);
    if (allHeadings) outline.applyTo(names.sitePage);
    print_verbose(kClosingDocument);
    session.closeDocument();
    return 0;
}

}  // namespace

int D2hWordPhase::run() {
    needsReleaseWait_ = false;
    // The working copy is never the document itself (see D2hNames).
    if (!copy_file(names_.workingCopy.c_str(), names_.document.c_str())) {
        print_message(kCannotCopy);
        return kResultWorkingCopy;
    }
    const int result = convert();
    delete_file(names_.workingCopy.c_str());
    return result;
}

int D2hWordPhase::convert() {
    print_normal(kOpening);
    print_verbose(kStartWord);
    if (word::word_backend().hostsPhases()) return runHosted();
    std::unique_ptr<word::Application> application;
    try {
        application = word::word_backend().createApplication();
    } catch (const std::exception&) {
        application.reset();
    }
    if (!application) {
        print_message(kCannotStartWord);
        return kResultWord;
    }
    return walk(std::move(application));
}

int D2hWordPhase::runHosted() {
    word::HostedPhase phase = word::library_phase("d2h", d2h_phase_arguments(names_, allHeadings_));
    phase.documents = {names_.workingCopy};
    const word::HostedPhaseResult hosted = word::word_backend().runHosted(phase);
    if (!hosted.started) {
        print_message(kCannotStartWord);
        return kResultWord;
    }
    if (!hosted.completed) {
        // The office ended or failed during the phase: the site page may be
        // half written, so the caller clears the output.
        print_message(kProcessingError);
        needsReleaseWait_ = true;
        return kResultDocument;
    }
    const auto title = hosted.texts.find("Title");
    if (title != hosted.texts.end()) title_ = title->second;
    needsReleaseWait_ = hosted.value("NeedsReleaseWait", 0) != 0;
    return static_cast<int>(hosted.value("Result", kResultDocument));
}

int D2hWordPhase::walk(std::unique_ptr<word::Application> application) {
    word::WordSession session(std::move(application));
    int result = 0;
    try {
        result = open_and_save(session, names_, allHeadings_, title_);
    } catch (...) {
        print_message(kProcessingError);
        result = kResultDocument;
    }
    if (result == kInfoFailed) {
        session.closeDocumentQuietly();
        session.quitQuietly();
        print_message(kNoDocumentInfo);
        return kResultDocument;
    }
    // A failed step may leave the document open: close it before quitting.
    session.closeDocumentQuietly();

    print_verbose(kClosingWord);
    try {
        session.quit();
    } catch (...) {
        result = kResultWord;
    }
    needsReleaseWait_ = result < 0;
    return result;
}

std::vector<std::pair<std::string, std::string>> d2h_phase_arguments(const D2hNames& names,
                                                                     bool allHeadings) {
    std::vector<std::pair<std::string, std::string>> arguments{{"Document", names.document},
                                                               {"OutputDirectory", names.outputDirectory},
                                                               {"BaseName", names.baseName},
                                                               {"WorkingCopy", names.workingCopy},
                                                               {"SitePage", names.sitePage},
                                                               {"FullHtml", names.fullHtml},
                                                               {"AllHeadings", allHeadings ? "1" : "0"}};
    word::add_run_flag_arguments(arguments);
    return arguments;
}

void read_d2h_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2hNames& names, bool& allHeadings) {
    const auto flag = [](const std::string& value) { return value == "1"; };
    for (const auto& [name, value] : arguments) {
        if (name == "Document")
            names.document = value;
        else if (name == "OutputDirectory")
            names.outputDirectory = value;
        else if (name == "BaseName")
            names.baseName = value;
        else if (name == "WorkingCopy")
            names.workingCopy = value;
        else if (name == "SitePage")
            names.sitePage = value;
        else if (name == "FullHtml")
            names.fullHtml = value;
        else if (name == "AllHeadings")
            allHeadings = flag(value);
        else
            word::read_run_flag_argument(name, value);
    }
}

}  // namespace vane
