// A word processor that was asked to end and is not yet waited for: it ends
// while its caller goes on (the producer runs meanwhile). Destroying the
// object waits for it, ends it by force when it overstays, and removes what
// it kept (its profile): afterwards nothing of it is left.
#pragma once

namespace vane::word {

class WordProcessorEnding {
public:
    virtual ~WordProcessorEnding() = default;
};

}  // namespace vane::word
