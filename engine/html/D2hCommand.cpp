#include "html/D2hCommand.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "frame/Automation.h"
#include "frame/Banner.h"
#include "frame/FileUtil.h"
#include "frame/InstanceLock.h"
#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/Options.h"
#include "frame/PathRules.h"
#include "frame/ResultCodes.h"
#include "frame/RunFlags.h"
#include "frame/TextUtil.h"
#include "html/D2hWordPhase.h"
#include "html/HTMLSplit.h"
#include "html/HTMLTree.h"
#include "html/HtmlFilterRunner.h"
#include "platform/Env.h"
#include "vanecore/vanecore.h"

namespace vane {

namespace {

// Waited after a failed word-processor phase before the working copy is
// deleted again, so that a word processor still ending has let go of it.
constexpr int kWordReleaseWaitMs = 5000;

// -e deletes the output directory only when that cannot take the document,
// the current directory or the user's home folder with it, and never a root.
bool may_erase(const D2hNames& names, const std::string& currentDirectory) {
    const PathRules& rules = PathRules::native();
    if (names.outputHoldsDocument || lies_within(names.document, names.outputDirectory, rules)) return false;
    if (lies_within(currentDirectory, names.outputDirectory, rules)) return false;
    for (const char* variable : {"HOME", "USERPROFILE"}) {
        const char* home = std::getenv(variable);
        if (home != nullptr && *home != '\0' && lies_within(home, names.outputDirectory, rules)) return false;
    }
    return !rules.isRoot(names.outputDirectory) &&
           !rules.isRoot(canonical_or_self(names.outputDirectory).make_preferred().string());
}

}  // namespace

int D2hCommand::run(int argc, char* argv[]) {
    if (!ensure_automation_for_command()) return VANE_ERR_COM;
    currentDirectory_ = env().currentDirectory();
    read_run_flags(argc, argv);
    print_command_banner();
    if (!take_instance_lock()) return VANE_ERR_INSTANCE;

    if (const int result = readOptions(argc, argv); result != VANE_OK) return result;
    prepareOutput();

    if (!reuse_) {
        D2hWordPhase phase(names_, allHeadings_);
        const int result = phase.run();
        if (result < 0) {
            // A word processor that failed while working on the document may
            // not have let go of the working copy yet. The other failures
            // (nothing started, no start, no document information) end at once.
            if (phase.needsReleaseWait()) {
                eraseOutput();
                env().sleepMilliseconds(kWordReleaseWaitMs);
                delete_file(names_.workingCopy.c_str());
            }
            return result;
        }
        documentTitle_ = phase.title();

        const std::string filtered = names_.sitePage + ".filtered";
        print_normal(msg::kFiltering);
        if (run_html_filter(names_.sitePage, filtered)) {
            delete_file(names_.sitePage.c_str());
            env().renameFile(filtered, names_.sitePage);
        } else {
            delete_file(filtered.c_str());
        }
    }
    return publish();
}

int D2hCommand::readOptions(int argc, char* argv[]) {
    if (get_option('p', argc, argv, true) == kOptionPresent) indexWidth_ = option_value();
    if (get_option('d', argc, argv, true) == kOptionPresent) headingLevel_ = leading_int(option_value());
    if (headingLevel_ < 0 || headingLevel_ > 6) {
        print_message(msg::kBadLevel);
        return VANE_ERR_ARGUMENTS;
    }
    if (get_option('c', argc, argv, true) == kOptionPresent) styleSheet_ = option_value();
    if (get_option('k', argc, argv, true) == kOptionPresent) skipCount_ = leading_int(option_value());
    if (skipCount_ < 0) skipCount_ = 0;
    noHomePage_ = get_option('m', argc, argv, false) == kOptionPresent;
    reuse_ = get_option('z', argc, argv, false) == kOptionPresent;
    allHeadings_ = get_option('a', argc, argv, false) == kOptionPresent;
    erase_ = !reuse_ && get_option('e', argc, argv, false) == kOptionPresent;
    if (get_option('n', argc, argv, true) == kOptionPresent) {
        std::string value = normalize_spaces(option_value(), true);
        to_upper(value);
        if (value == "ON") navigation_ = true;
        if (value == "OFF") navigation_ = false;
    }
    excludeMarkers_ = !navigation_ && get_option('x', argc, argv, false) == kOptionPresent;
    if (get_option('t', argc, argv, true) == kOptionPresent) title_ = option_value();
    print_verbose(msg::kLevelTrace, headingLevel_);

    const std::string operand = find_d2h_operand(argc, argv);
    if (operand.empty()) {
        print_message(msg::kNoFileName);
        return VANE_ERR_ARGUMENTS;
    }
    std::string output;
    if (get_option('o', argc, argv, true) == kOptionPresent) output = option_value();
    names_ = derive_d2h_names(operand, output, currentDirectory_);
    if (!file_exists(names_.document.c_str())) {
        print_message(msg::kFileNotFound, names_.document.c_str());
        return VANE_ERR_ARGUMENTS;
    }
    print_verbose(msg::kDocFile, names_.document.c_str());
    print_verbose(msg::kOutputDirectory, names_.outputDirectory.c_str());
    return VANE_OK;
}

void D2hCommand::prepareOutput() {
    delete_file(names_.sitePage.c_str());
    if (!reuse_) {
        delete_file(names_.fullHtml.c_str());
        eraseOutput();
    } else {
        env().renameFile(names_.fullHtml, names_.sitePage);
    }
    ensure_directory(names_.outputDirectory.c_str());
}

void D2hCommand::eraseOutput() const {
    if (!erase_) return;
    if (!may_erase(names_, currentDirectory_)) {
        print_verbose(msg::kEraseSkipped, names_.outputDirectory.c_str());
        return;
    }
    delete_tree(names_.outputDirectory.c_str());
}

int D2hCommand::publish() {
    int result = VANE_OK;
    HTMLSplit split;
    split.headingLevel = headingLevel_;
    split.skipCount = skipCount_;
    split.homePage = !noHomePage_;
    split.verbose = state().verbose;
    split.navigation = navigation_;
    split.title = !title_.empty()                      ? title_
                  : !reuse_ && !documentTitle_.empty() ? documentTitle_
                                                       : names_.baseName;
    split.inputPath = names_.sitePage;
    split.levels = &levels_;
    split.pages = &pages_;
    split.titles = &titles_;
    print_normal(msg::kSplitting);
    if (!split.Split()) {
        print_message(msg::kSplitError);
        result = result::kSplit;
    } else {
        HTMLTree tree;
        tree.homePage = !noHomePage_;
        tree.levels = &levels_;
        tree.pages = &pages_;
        tree.titles = &titles_;
        tree.inputPath = names_.sitePage;
        tree.styleSheetPath = styleSheet_;
        tree.excludeMarkers = excludeMarkers_;
        print_normal(msg::kBuildingIndex);
        if (!tree.Build()) {
            print_message(msg::kIndexError);
            result = result::kIndex;
        }
    }

    env().renameFile(names_.sitePage, names_.fullHtml);
    switch (writeFrameset(mainPage())) {
        case FramesetWrite::Written:
            break;
        case FramesetWrite::NotCreated:  // the run ends here
            if (!reuse_) delete_file(names_.workingCopy.c_str());
            return result::kFramesetPage;
        case FramesetWrite::Short:  // reported; the copies are still made
            result = result::kFramesetPage;
            break;
    }
    if (!copySitePage()) result = result::kFramesetPage;
    if (!reuse_) {
        delete_file(names_.workingCopy.c_str());
        delete_file(names_.fullHtml.c_str());
    }
    return result;
}

// The page the main frame opens first: page 0, or page 1 without a home page.
// Empty when the split recorded no page.
std::string D2hCommand::mainPage() const {
    if (pages_.empty()) return {};
    const std::size_t index = noHomePage_ && pages_.size() > 1 ? 1 : 0;
    return PathRules::native().fileName(pages_[index]);
}

D2hCommand::FramesetWrite D2hCommand::writeFrameset(const std::string& page) {
    const std::string text = frameset_page(names_.baseName, indexWidth_, page);
    std::FILE* file = env().openFile(names_.sitePage, "wb");
    if (file == nullptr) {
        print_message(msg::kCannotOpenFile, names_.sitePage.c_str());
        return FramesetWrite::NotCreated;
    }
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), file);
    const bool closed = std::fclose(file) == 0;
    if (written != text.size() || !closed) {
        print_message(msg::kCannotWriteFile, names_.sitePage.c_str());
        return FramesetWrite::Short;
    }
    return FramesetWrite::Written;
}

// A copy that cannot be written is reported like a short frameset page.
bool D2hCommand::copySitePage() const {
    bool copied = true;
    for (const std::string& copy : {index_copy_path(names_), htm_copy_path(names_)}) {
        if (copy.empty() || copy_file(copy.c_str(), names_.sitePage.c_str())) continue;
        print_message(msg::kCannotWriteFile, copy.c_str());
        copied = false;
    }
    return copied;
}

}  // namespace vane
