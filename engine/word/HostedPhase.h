// A phase of a command that runs inside the word processor's own process
// instead of calling it from ours, call by call. The caller names the phase
// and hands it texts; messages come back while the phase runs, in order.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "word/WordProcessorEnding.h"

namespace vane::word {

struct HostedPhase {
    std::string name;                                            // "d2p"
    std::vector<std::pair<std::string, std::string>> arguments;  // numbers as decimal text
    std::function<void(const std::string&)> output;              // one formatted message
    std::function<std::string(int)> message;                     // catalogue text of a message
    // Files the phase opens and prints into: should the word processor die
    // during the phase, what it kept beside them is removed.
    std::vector<std::string> documents;
    std::vector<std::string> printed;
};

struct HostedPhaseResult {
    bool started = false;    // the word processor ran and took the phase
    bool completed = false;  // the phase returned its values (else `failure` says why)
    std::string failure;
    std::map<std::string, long long> values;
    // After a completed phase, the word processor still ending (null when it
    // has ended already).
    std::unique_ptr<WordProcessorEnding> ending;
};

}  // namespace vane::word
