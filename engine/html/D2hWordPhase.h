// The word-processor part of a d2h run: copy the document to the working copy,
// open it in the word processor, read its information and save it as filtered
// HTML under the site page path, then quit. Whatever happens, the document is
// closed, the word processor quit and the working copy deleted before run()
// returns.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "html/D2hNames.h"

namespace vane {

namespace word {
class Application;
struct HostedPhaseResult;
}  // namespace word

class D2hWordPhase {
public:
    // `allHeadings` (-a): paragraphs with an outline level are saved as headings.
    explicit D2hWordPhase(const D2hNames& names, bool allHeadings = false)
        : names_(names), allHeadings_(allHeadings) {}

    // 0 when the site page was saved; else the command's result code:
    // -5 working copy, -7 word processor (start or quit), -8 document.
    // Prints the messages of each step.
    int run();

    // The document's title, read with its information (empty when none).
    const std::string& title() const { return title_; }

    // After a failed run(): whether the failure came while the word processor
    // was working on the document (opening, converting, saving or quitting).
    // Only then may it still hold the working copy, so the caller clears the
    // output and waits before deleting it again. False when nothing was started,
    // the word processor could not start, or the document information could not
    // be read (the word processor is closed in an orderly way there).
    bool needsReleaseWait() const { return needsReleaseWait_; }

    // From opening the working copy to quitting `application`: the result code
    // as run() gives it. The office runs this inside its own process.
    int walk(std::unique_ptr<word::Application> application);

private:
    int convert();
    int hostedResult(const word::HostedPhaseResult& hosted);

    const D2hNames& names_;
    bool allHeadings_ = false;
    std::string title_;
    bool needsReleaseWait_ = false;
};

// The phase's names and option as the texts handed to a hosted phase, and back.
std::vector<std::pair<std::string, std::string>> d2h_phase_arguments(const D2hNames& names, bool allHeadings);
void read_d2h_phase_arguments(const std::vector<std::pair<std::string, std::string>>& arguments,
                              D2hNames& names, bool& allHeadings);

}  // namespace vane
