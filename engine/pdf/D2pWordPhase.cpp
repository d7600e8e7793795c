#include "pdf/D2pWordPhase.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "frame/FileUtil.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/ResultCodes.h"
#include "pdf/CBookmarkList.h"
#include "pdf/CLinkList.h"
#include "pdf/DocinfoMarks.h"
#include "pdf/PrintedPdf.h"
#include "platform/Env.h"
#include "word/CDocinfo.h"
#include "word/HostedPhase.h"
#include "word/PublishingOpen.h"
#include "word/Word.h"
#include "word/WordSession.h"

namespace vane {

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
    word::HostedPhase phase = word::library_phase("d2p", d2p_phase_arguments(names_, settings_));
    phase.documents = {names_.workingCopy};
    phase.printed = {names_.pdf};
    if (!names_.printedPdf.empty()) phase.printed.push_back(names_.printedPdf);
    word::PublishingOpen::Start start = word::PublishingOpen::start(phase);
    if (start.hosted) ending_ = std::move(start.hosted->ending);
    if (!start.started) return result::kWordProcessor;
    return start.hosted ? hostedResult(*start.hosted) : walk(std::move(start.application));
}

int D2pWordPhase::hostedResult(const word::HostedPhaseResult& hosted) {
    if (!hosted.completed) {
        print_message(msg::kWordError, hosted.failure.c_str());
        return result::kDocument;
    }
    hostedOutlineEntries_ = static_cast<std::size_t>(hosted.value("OutlineEntries", 0));
    return static_cast<int>(hosted.value("Result", result::kDocument));
}

int D2pWordPhase::walk(std::unique_ptr<word::Application> application) {
    word::WordSession session(std::move(application));
    session.activateBeforeClose();
    int result = 0;
    Step step = Step::Done;
    try {
        step = process(session, result);
    } catch (const word::WordError& e) {
        print_message(msg::kWordError, e.what());
        result = result::kDocument;
    } catch (...) {
        print_message(msg::kProcessingError);
        result = result::kDocument;
    }

    if (step == Step::InfoFailed) {
        session.closeDocumentQuietly();
        session.restorePrinterQuietly();
        session.quitQuietly();
        print_message(msg::kNoDocumentInfo);
        return result::kDocument;
    }

    // A failed step may leave the document open: it is closed unsaved, so
    // that the word processor lets go of the working copy.
    session.closeDocumentQuietly();
    try {
        print_verbose(msg::kRestorePrinter);
        session.restorePrinter();
        print_verbose(msg::kClosingWord);
        session.quit();
    } catch (...) {
        session.quitQuietly();
        print_message(msg::kCannotStartWord);
        result = result::kWordProcessor;
    }
    return result;
}

D2pWordPhase::Step D2pWordPhase::process(word::WordSession& session, int& result) {
    docinfo_ = std::make_unique<CDocinfo>();
    bookmarks_ = std::make_unique<CBookmarkList>(docinfo_.get());
    links_ = std::make_unique<CLinkList>(*docinfo_);

    switch (word::PublishingOpen(names_.workingCopy, settings_.printer).run(session, *docinfo_)) {
        case word::PublishingOpen::Outcome::Opened:
            break;
        case word::PublishingOpen::Outcome::NoDocuments:
            print_message(msg::kCannotStartWord);
            result = result::kWordProcessor;
            return Step::Done;
        case word::PublishingOpen::Outcome::NotOpened:
            result = result::kDocument;
            return Step::Done;
        case word::PublishingOpen::Outcome::NoInformation:
            return Step::InfoFailed;
    }
    word::Application& app = session.application();
    word::Document& doc = *session.document();

    print_verbose(msg::kInitBookmarks);
    bookmarks_->reset();
    bookmarks_->maxLevel = settings_.maxLevel;
    bookmarks_->allHeadings = settings_.allHeadings;
    if (settings_.maxLevel != 0) {
        print_normal(msg::kExtractingBookmarks);
        bookmarks_->extractFromHeadings(doc, app);
        print_verbose(msg::kBookmarkTotal, static_cast<int>(bookmarks_->size()));
    }

    print_verbose(msg::kInitLinks);
    links_->clear();
    if (settings_.links) {
        print_normal(msg::kExtractingLinks);
        links_->extractTocLinks(app, doc);
        links_->extractOtherLinks(doc, app);
        if (settings_.crossReferences) links_->extractCrossReferences(doc, app);
        links_->resolveDestinations(app);
        print_verbose(msg::kLinkTotal, static_cast<int>(links_->links.size()));
    }

    writeMarks();

    print_normal(msg::kPrinting);
    word::PrintOptions print;
    print.outputFileName = names_.pdf;
    print.pdfFileName = names_.printedPdf;
    print.background = false;
    print.append = false;
    print.printToFile = true;
    // A backend that prints through a PDF leaves its preparation to this side.
    print.preparePdf = [](const std::string& pdfPath, const std::string& outputPath) {
        PrintedPdf(pdfPath).print(outputPath);
    };
    doc.printOut(print);
    // A print that wrote nothing would end as a PDF of marks alone.
    if (!file_exists(names_.pdf.c_str())) throw std::runtime_error("the printed file was not written");

    print_verbose(msg::kClosingDocument);
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
        print_normal(msg::kAddingBookmarks);
        bookmarks_->writeOutline(names_.markFile);
    }
    if (!links_->links.empty()) {
        print_normal(msg::kAddingLinks);
        links_->writeAnnotations(names_.markFile);
    }
}

namespace {

// The names as they cross to a hosted phase, each under its argument name.
const std::pair<const char*, std::string D2pNames::*> kNameArguments[] = {
    {"Document", &D2pNames::document}, {"WorkingCopy", &D2pNames::workingCopy},
    {"Pdf", &D2pNames::pdf},           {"MarkFile", &D2pNames::markFile},
    {"Job", &D2pNames::job},           {"PrintedPdf", &D2pNames::printedPdf}};

bool flag(const std::string& value) {
    return value == "1";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> d2p_phase_arguments(const D2pNames& names,
                                                                     const D2pSettings& settings) {
    std::vector<std::pair<std::string, std::string>> arguments;
    for (const auto& [key, text] : kNameArguments) arguments.emplace_back(key, names.*text);
    arguments.insert(arguments.end(), {{"Printer", settings.printer},
                                       {"MaxLevel", std::to_string(settings.maxLevel)},
                                       {"Links", settings.links ? "1" : "0"},
                                       {"AllHeadings", settings.allHeadings ? "1" : "0"},
                                       {"CrossReferences", settings.crossReferences ? "1" : "0"}});
    word::add_run_flag_arguments(arguments);
    return arguments;
}

void read_d2p_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2pNames& names, D2pSettings& settings) {
    for (const auto& [name, value] : arguments) {
        if (name == "Printer")
            settings.printer = value;
        else if (name == "MaxLevel")
            settings.maxLevel = std::atoi(value.c_str());
        else if (name == "Links")
            settings.links = flag(value);
        else if (name == "AllHeadings")
            settings.allHeadings = flag(value);
        else if (name == "CrossReferences")
            settings.crossReferences = flag(value);
        else if (!word::read_run_flag_argument(name, value))
            for (const auto& [key, text] : kNameArguments)
                if (name == key) names.*text = value;
    }
}

}  // namespace vane
