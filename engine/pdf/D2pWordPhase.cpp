#include "pdf/D2pWordPhase.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <stdexcept>

#include "frame/FileUtil.h"
#include "frame/LibraryState.h"
#include "frame/Messages.h"
#include "pdf/CBookmarkList.h"
#include "pdf/CDocinfo.h"
#include "pdf/CLinkList.h"
#include "pdf/DocinfoMarks.h"
#include "platform/Env.h"
#include "word/HostedPhase.h"
#include "word/Word.h"
#include "word/WordBackend.h"
#include "word/WordSession.h"

namespace vane {

namespace {

constexpr int kOpening = 136;
constexpr int kStartWord = 137;
constexpr int kCannotStartWord = 138;
constexpr int kOpenDocument = 142;
constexpr int kCannotOpenDocument = 143;
constexpr int kRemoveRevisions = 144;
constexpr int kPageView = 145;
constexpr int kChangePrinter = 146;
constexpr int kActivate = 147;
constexpr int kInitDocument = 148;
constexpr int kNoDocumentInfo = 149;
constexpr int kInitBookmarks = 152;
constexpr int kExtractingBookmarks = 153;
constexpr int kBookmarkTotal = 154;
constexpr int kInitLinks = 155;
constexpr int kExtractingLinks = 156;
constexpr int kLinkTotal = 157;
constexpr int kAddingBookmarks = 158;
constexpr int kAddingLinks = 159;
constexpr int kPrinting = 160;
constexpr int kClosingDocument = 162;
constexpr int kWordError = 163;
constexpr int kProcessingError = 164;
constexpr int kClosingWord = 165;
constexpr int kRestorePrinter = 166;

constexpr int kResultWord = -7;
constexpr int kResultDocument = -8;

}  // namespace

D2pWordPhase::D2pWordPhase(const D2pNames& names, const D2pSettings& settings)
    : names_(names), settings_(settings) {}

D2pWordPhase::~D2pWordPhase() {
    // The lists refer to the document information: they go first.
    links_.reset();
    bookmarks_.reset();
    docinfo_.reset();
}

void D2pWordPhase::awaitWordProcessor() {
    ending_.reset();
}

std::size_t D2pWordPhase::outlineEntries() const {
    return bookmarks_ ? bookmarks_->size() : hostedOutlineEntries_;
}

std::string D2pWordPhase::closingMarks() const {
    return docinfo_ ? docinfo_closing_mark(*docinfo_) : std::string();
}

int D2pWordPhase::run() {
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

int D2pWordPhase::runHosted() {
    word::HostedPhase phase = word::library_phase("d2p", d2p_phase_arguments(names_, settings_));
    phase.documents = {names_.workingCopy};
    phase.printed = {names_.pdf};
    if (!names_.printedPdf.empty()) phase.printed.push_back(names_.printedPdf);
    word::HostedPhaseResult hosted = word::word_backend().runHosted(phase);
    ending_ = std::move(hosted.ending);
    if (!hosted.started) {
        print_message(kCannotStartWord);
        return kResultWord;
    }
    if (!hosted.completed) {
        print_message(kWordError, hosted.failure.c_str());
        return kResultDocument;
    }
    hostedOutlineEntries_ = static_cast<std::size_t>(hosted.value("OutlineEntries", 0));
    return static_cast<int>(hosted.value("Result", kResultDocument));
}

int D2pWordPhase::walk(std::unique_ptr<word::Application> application) {
    word::WordSession session(std::move(application));
    session.activateBeforeClose();
    int result = 0;
    Step step = Step::Done;
    try {
        step = process(session, result);
    } catch (const word::WordError& e) {
        print_message(kWordError, e.what());
        result = kResultDocument;
    } catch (...) {
        print_message(kProcessingError);
        result = kResultDocument;
    }

    if (step == Step::InfoFailed) {
        session.closeDocumentQuietly();
        session.restorePrinterQuietly();
        session.quitQuietly();
        print_message(kNoDocumentInfo);
        return kResultDocument;
    }

    // A failed step may leave the document open: it is closed unsaved, so
    // that the word processor lets go of the working copy.
    session.closeDocumentQuietly();
    try {
        print_verbose(kRestorePrinter);
        session.restorePrinter();
        print_verbose(kClosingWord);
        session.quit();
    } catch (...) {
        session.quitQuietly();
        print_message(kCannotStartWord);
        result = kResultWord;
    }
    return result;
}

D2pWordPhase::Step D2pWordPhase::process(word::WordSession& session, int& result) {
    word::Application& app = session.application();
    app.setVisible(state().wordVisible);
    session.savePrinter();

    docinfo_ = std::make_unique<CDocinfo>();
    bookmarks_ = std::make_unique<CBookmarkList>(docinfo_.get());
    links_ = std::make_unique<CLinkList>(*docinfo_);

    std::unique_ptr<word::Documents> documents = app.documents();
    if (!documents) {
        print_message(kCannotStartWord);
        result = kResultWord;
        return Step::Done;
    }

    print_verbose(kOpenDocument);
    word::OpenOptions options;
    options.confirmConversions = false;
    options.readOnly = false;
    options.addToRecentFiles = false;
    options.revert = false;
    options.visible = true;
    session.document() = documents->open(names_.workingCopy, options);
    if (!session.document()) {
        print_message(kCannotOpenDocument);
        result = kResultDocument;
        return Step::Done;
    }
    word::Document& doc = *session.document();

    print_verbose(kRemoveRevisions);
    doc.acceptAllRevisions();
    try {
        doc.unprotect("");
    } catch (const word::WordError&) {
        // Not protected: nothing to remove.
    }

    print_verbose(kChangePrinter);
    app.setActivePrinter(settings_.printer);

    print_verbose(kActivate);
    doc.activate();

    print_verbose(kPageView);
    std::unique_ptr<word::Window> window = doc.activeWindow();
    std::unique_ptr<word::Pane> pane = window ? window->activePane() : nullptr;
    std::unique_ptr<word::View> view = pane ? pane->view() : nullptr;
    if (!view) throw word::WordError("the document has no view");
    view->setType(word::kViewPrintLayout);

    print_verbose(kInitDocument);
    if (docinfo_->load(app, doc) == -1) return Step::InfoFailed;

    print_verbose(kInitBookmarks);
    bookmarks_->reset();
    bookmarks_->maxLevel = settings_.maxLevel;
    bookmarks_->allHeadings = settings_.allHeadings;
    if (settings_.maxLevel != 0) {
        print_normal(kExtractingBookmarks);
        bookmarks_->extractFromHeadings(doc, app);
        print_verbose(kBookmarkTotal, static_cast<int>(bookmarks_->size()));
    }

    print_verbose(kInitLinks);
    links_->clear();
    if (settings_.links) {
        print_normal(kExtractingLinks);
        links_->extractTocLinks(app, doc);
        links_->extractOtherLinks(doc, app);
        if (settings_.crossReferences) links_->extractCrossReferences(doc, app);
        links_->resolveDestinations(app);
        print_verbose(kLinkTotal, static_cast<int>(links_->links.size()));
    }

    writeMarks();

    print_normal(kPrinting);
    word::PrintOptions print;
    print.outputFileName = names_.pdf;
    print.pdfFileName = names_.printedPdf;
    print.background = false;
    print.append = false;
    print.printToFile = true;
    doc.printOut(print);
    // A print that wrote nothing would end as a PDF of marks alone.
    if (!file_exists(names_.pdf.c_str())) throw std::runtime_error("the printed file was not written");

    print_verbose(kClosingDocument);
    session.closeDocument();
    return Step::Done;
}

void D2pWordPhase::writeMarks() {
    // The document information comes first, before the outline marks.
    if (std::FILE* file = env().openFile(names_.markFile, "wb")) {
        const std::string info = docinfo_marks(*docinfo_);
        std::fwrite(info.data(), 1, info.size(), file);
        std::fclose(file);
    }
    if (bookmarks_->size() > 0) {
        print_normal(kAddingBookmarks);
        bookmarks_->writeOutline(names_.markFile);
    }
    if (!links_->links.empty()) {
        print_normal(kAddingLinks);
        links_->writeAnnotations(names_.markFile);
    }
}

namespace {

bool flag(const std::string& value) {
    return value == "1";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> d2p_phase_arguments(const D2pNames& names,
                                                                     const D2pSettings& settings) {
    std::vector<std::pair<std::string, std::string>> arguments{
        {"Document", names.document},
        {"WorkingCopy", names.workingCopy},
        {"Pdf", names.pdf},
        {"MarkFile", names.markFile},
        {"Job", names.job},
        {"PrintedPdf", names.printedPdf},
        {"Printer", settings.printer},
        {"MaxLevel", std::to_string(settings.maxLevel)},
        {"Links", settings.links ? "1" : "0"},
        {"AllHeadings", settings.allHeadings ? "1" : "0"},
        {"CrossReferences", settings.crossReferences ? "1" : "0"}};
    word::add_run_flag_arguments(arguments);
    return arguments;
}

void read_d2p_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2pNames& names, D2pSettings& settings) {
    for (const auto& [name, value] : arguments) {
        if (name == "Document")
            names.document = value;
        else if (name == "WorkingCopy")
            names.workingCopy = value;
        else if (name == "Pdf")
            names.pdf = value;
        else if (name == "MarkFile")
            names.markFile = value;
        else if (name == "Job")
            names.job = value;
        else if (name == "PrintedPdf")
            names.printedPdf = value;
        else if (name == "Printer")
            settings.printer = value;
        else if (name == "MaxLevel")
            settings.maxLevel = std::atoi(value.c_str());
        else if (name == "Links")
            settings.links = flag(value);
        else if (name == "AllHeadings")
            settings.allHeadings = flag(value);
        else if (name == "CrossReferences")
            settings.crossReferences = flag(value);
        else
            word::read_run_flag_argument(name, value);
    }
}

}  // namespace vane
