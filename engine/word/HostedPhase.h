// A phase of a command that runs inside the word processor's own process
// instead of calling it from ours, call by call. The caller names the phase
// and hands it texts; messages come back while the phase runs, in order.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "word/WordProcessorEnding.h"

namespace vane::word {

struct HostedPhase {
    std::string name;                                            // "d2p" or "d2h"
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
    std::map<std::string, std::string> texts;  // values that are text (a title)

    // The number `name` the phase handed back, else `fallback`.
    long long value(const std::string& name, long long fallback) const {
        const auto found = values.find(name);
        return found != values.end() ? found->second : fallback;
    }
    // After a completed phase, the word processor still ending (null when it
    // has ended already).
    std::unique_ptr<WordProcessorEnding> ending;
};

// A phase named `name` whose messages go to the library's output callback as
// they arrive, their texts taken from the library's catalogue.
HostedPhase library_phase(std::string name, std::vector<std::pair<std::string, std::string>> arguments);

// The library's run flags (verbose, silent, word processor shown) appended to
// a phase's arguments; and on the other side, taking one back: false when
// `name` is not a run flag.
void add_run_flag_arguments(std::vector<std::pair<std::string, std::string>>& arguments);
bool read_run_flag_argument(const std::string& name, const std::string& value);

}  // namespace vane::word
