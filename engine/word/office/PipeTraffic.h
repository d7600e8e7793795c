// What crossed the pipe to the office in this process, as running totals:
// the calls (requests) sent and received, the messages and the bytes each
// way. Our process counts at its end of the bridge (CountingConnection);
// inside the office, where the bridge is the office's, the job counts the
// calls it makes back to us.
#pragma once

#include <atomic>

#include "word/office/UrpStreamCounter.h"

namespace vane {

struct PipeTrafficCounts {
    long long calls = 0;      // requests sent
    long long callbacks = 0;  // requests received
    long long messagesOut = 0;
    long long messagesIn = 0;
    long long bytesOut = 0;
    long long bytesIn = 0;

    PipeTrafficCounts operator-(const PipeTrafficCounts& earlier) const;
};

class PipeTraffic {
public:
    // The totals of this process.
    static PipeTraffic& process();

    void sent(long long bytes, const UrpCounts& counts);
    void received(long long bytes, const UrpCounts& counts);
    // One call made without a bridge of ours in between.
    void callSent();
    PipeTrafficCounts counts() const;

private:
    std::atomic<long long> calls_{0};
    std::atomic<long long> callbacks_{0};
    std::atomic<long long> messagesOut_{0};
    std::atomic<long long> messagesIn_{0};
    std::atomic<long long> bytesOut_{0};
    std::atomic<long long> bytesIn_{0};
};

}  // namespace vane
