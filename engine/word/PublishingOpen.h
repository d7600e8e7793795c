// Opening the working copy for publishing, the part that d2p and d2h share:
// start the word processor (or hand the phase to it), open the document,
// accept its revisions and lift its protection, make the publishing printer
// active (d2p only), switch to the print layout and read the document
// information. Each step prints its progress message; the failures the caller
// reports are returned.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "word/HostedPhase.h"

namespace vane {
class CDocinfo;
}

namespace vane::word {

class Application;
class WordSession;

class PublishingOpen {
public:
    enum class Outcome {
        Opened,         // the document is open and `info` loaded
        NoDocuments,    // the word processor has no document collection
        NotOpened,      // the working copy did not open (message printed)
        NoInformation,  // the document information could not be read
    };

    // The word processor asked to start, with the phase in it or here.
    struct Start {
        bool started = false;
        std::unique_ptr<Application> application;  // started here
        std::optional<HostedPhaseResult> hosted;   // `phase` ran inside the word processor
    };
    // Prints the opening messages; where the word processor hosts phases,
    // runs `phase` inside it, else starts it here. Message 138 when it does
    // not start.
    static Start start(const HostedPhase& phase);

    // `printer`: made the active printer (the previous one saved in the
    // session) and the document activated before the view switch; none: the
    // active printer stays.
    PublishingOpen(std::string workingCopy, std::optional<std::string> printer);

    // Sets the visibility of the word processor, opens the working copy into
    // `session` and loads `info` from it. Word-processor errors propagate as
    // word::WordError.
    Outcome run(WordSession& session, CDocinfo& info) const;

private:
    std::string workingCopy_;
    std::optional<std::string> printer_;
};

}  // namespace vane::word
