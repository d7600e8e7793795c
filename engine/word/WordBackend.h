// Where application objects come from: the platform's word processor, or a
// fake that a test installs.
#pragma once

#include <memory>

#include "word/Application.h"
#include "word/HostedPhase.h"

namespace vane::word {

class WordBackend {
public:
    virtual ~WordBackend() = default;
    // Starts a word processor. Throws WordError when it cannot be started.
    virtual std::unique_ptr<Application> createApplication() = 0;
    // Whether runHosted() can run phases inside the word processor's process.
    virtual bool hostsPhases() { return false; }
    // Starts a word processor, runs `phase` inside it and asks it to end; a
    // completed phase hands back the word processor still ending.
    virtual HostedPhaseResult runHosted(const HostedPhase& /*phase*/) { return {}; }
};

// The backend in use: the installed one, else the platform's default.
WordBackend& word_backend();
// Installs `replacement` (not owned; null restores the default).
void set_word_backend(WordBackend* replacement);

}  // namespace vane::word
