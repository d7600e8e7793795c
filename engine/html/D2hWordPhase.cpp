#include "html/D2hWordPhase.h"

#include <memory>
#include <optional>
#include <utility>

#include "frame/FileUtil.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/ResultCodes.h"
#include "html/OutlineHeadings.h"
#include "vanecore/vanecore.h"
#include "word/CDocinfo.h"
#include "word/HostedPhase.h"
#include "word/PublishingOpen.h"
#include "word/Word.h"
#include "word/WordSession.h"

namespace vane {

namespace {

// The names as they cross to a hosted phase, each under its argument name.
const std::pair<const char*, std::string D2hNames::*> kNameArguments[] = {
    {"Document", &D2hNames::document}, {"OutputDirectory", &D2hNames::outputDirectory},
    {"BaseName", &D2hNames::baseName}, {"WorkingCopy", &D2hNames::workingCopy},
    {"SitePage", &D2hNames::sitePage}, {"FullHtml", &D2hNames::fullHtml}};

// The HTML save of the open document (with `allHeadings`, outline paragraphs
// saved as headings), then its closing. Throws on word-processor errors.
void save_html(word::WordSession& session, const D2hNames& names, bool allHeadings) {
    OutlineHeadings outline;
    if (allHeadings) outline.collect(session.application());

    print_normal(msg::kSavingHtml);
    session.document()->saveAs(names.sitePage, word::kFormatFilteredHtml, true);
    if (allHeadings) outline.applyTo(names.sitePage);
    print_verbose(msg::kClosingDocument);
    session.closeDocument();
}

}  // namespace

int D2hWordPhase::run() {
    needsReleaseWait_ = false;
    // The working copy is never the document itself (see D2hNames).
    if (!copy_file(names_.workingCopy.c_str(), names_.document.c_str())) {
        print_message(msg::kCannotCopy);
        return result::kWorkingCopy;
    }
    const int result = convert();
    delete_file(names_.workingCopy.c_str());
    return result;
}

int D2hWordPhase::convert() {
    word::HostedPhase phase = word::library_phase("d2h", d2h_phase_arguments(names_, allHeadings_));
    phase.documents = {names_.workingCopy};
    word::PublishingOpen::Start start = word::PublishingOpen::start(phase);
    if (!start.started) return result::kWordProcessor;
    return start.hosted ? hostedResult(*start.hosted) : walk(std::move(start.application));
}

int D2hWordPhase::hostedResult(const word::HostedPhaseResult& hosted) {
    if (!hosted.completed) {
        // The office ended or failed during the phase: the site page may be
        // half written, so the caller clears the output.
        print_message(msg::kProcessingError);
        needsReleaseWait_ = true;
        return result::kDocument;
    }
    const auto title = hosted.texts.find("Title");
    if (title != hosted.texts.end()) title_ = title->second;
    needsReleaseWait_ = hosted.value("NeedsReleaseWait", 0) != 0;
    return static_cast<int>(hosted.value("Result", result::kDocument));
}

int D2hWordPhase::walk(std::unique_ptr<word::Application> application) {
    word::WordSession session(std::move(application));
    int result = VANE_OK;
    try {
        CDocinfo info;
        switch (word::PublishingOpen(names_.workingCopy, std::nullopt).run(session, info)) {
            case word::PublishingOpen::Outcome::Opened:
                title_ = info.title;
                save_html(session, names_, allHeadings_);
                break;
            case word::PublishingOpen::Outcome::NoDocuments:
                result = result::kWordProcessor;
                break;
            case word::PublishingOpen::Outcome::NotOpened:
                result = result::kDocument;
                break;
            case word::PublishingOpen::Outcome::NoInformation:
                session.closeDocumentQuietly();
                session.quitQuietly();
                print_message(msg::kNoDocumentInfo);
                return result::kDocument;
        }
    } catch (...) {
        print_message(msg::kProcessingError);
        result = result::kDocument;
    }
    // A failed step may leave the document open: close it before quitting.
    session.closeDocumentQuietly();

    print_verbose(msg::kClosingWord);
    try {
        session.quit();
    } catch (...) {
        result = result::kWordProcessor;
    }
    needsReleaseWait_ = result < 0;
    return result;
}

std::vector<std::pair<std::string, std::string>> d2h_phase_arguments(const D2hNames& names,
                                                                     bool allHeadings) {
    std::vector<std::pair<std::string, std::string>> arguments;
    for (const auto& [key, text] : kNameArguments) arguments.emplace_back(key, names.*text);
    arguments.emplace_back("AllHeadings", allHeadings ? "1" : "0");
    word::add_run_flag_arguments(arguments);
    return arguments;
}

void read_d2h_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2hNames& names, bool& allHeadings) {
    for (const auto& [name, value] : arguments) {
        if (name == "AllHeadings")
            allHeadings = value == "1";
        else if (!word::read_run_flag_argument(name, value))
            for (const auto& [key, text] : kNameArguments)
                if (name == key) names.*text = value;
    }
}

}  // namespace vane
