// The word-processor part of a d2p run: open the working copy, switch the
// active printer to the PostScript printer, read the document information,
// collect the outline and the links, write their marks into the mark file,
// print the document into the printed file, then restore the
// printer and quit. Whatever happens, the word processor is quit before
// run() returns, except that a word processor hosting the phase may still be
// ending: awaitWordProcessor() (or the destructor) waits for it. The working
// copy is left to the caller.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pdf/D2pNames.h"

namespace vane::word {
class Application;
class WordSession;
class WordProcessorEnding;
struct HostedPhaseResult;
}  // namespace vane::word

namespace vane {

class CBookmarkList;
class CDocinfo;
class CLinkList;

struct D2pSettings {
    std::string printer;           // PostScript printer the document is printed through
    int maxLevel = 6;              // -d; 0: no outline
    bool links = true;             // not -l
    bool allHeadings = false;      // -a: every paragraph with an outline level
    bool crossReferences = false;  // -r: reference fields and note marks link too
};

class D2pWordPhase {
public:
    D2pWordPhase(const D2pNames& names, const D2pSettings& settings);
    D2pWordPhase(const D2pWordPhase&) = delete;
    D2pWordPhase& operator=(const D2pWordPhase&) = delete;
    ~D2pWordPhase();

    // 0 when the marks are written and the document printed; else the
    // command's result: -7 (start, document collection, restore and quit) or
    // -8 (open, information, processing). Prints the messages of each step.
    int run();
    // The same after the word processor has started: from the document's
    // opening to quitting `application`. Where the word processor hosts the
    // phase, this part runs inside its process.
    int walk(std::unique_ptr<word::Application> application);

    // Waits until the word processor that hosted the phase has ended;
    // afterwards nothing of it is left.
    void awaitWordProcessor();

    // Outline entries collected (0 before run() and with -d 0).
    std::size_t outlineEntries() const;

    // The mark that goes after the printed pages (the document information
    // again; see docinfo_closing_mark). Empty before run(), and after a run
    // hosted by the office, whose printed file names no print job.
    std::string closingMarks() const;

private:
    enum class Step { Done, InfoFailed };
    Step process(word::WordSession& session, int& result);
    int hostedResult(const word::HostedPhaseResult& hosted);
    void writeMarks();

    const D2pNames& names_;
    D2pSettings settings_;
    std::unique_ptr<CDocinfo> docinfo_;
    std::unique_ptr<CBookmarkList> bookmarks_;
    std::unique_ptr<CLinkList> links_;
    std::size_t hostedOutlineEntries_ = 0;
    std::unique_ptr<word::WordProcessorEnding> ending_;
};

// The phase's settings and names as the texts handed to a hosted phase, and back.
std::vector<std::pair<std::string, std::string>> d2p_phase_arguments(const D2pNames& names,
                                                                     const D2pSettings& settings);
void read_d2p_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2pNames& names, D2pSettings& settings);

}  // namespace vane
