#include "word/office/PipeTraffic.h"

namespace vane {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
}  // namespace

PipeTrafficCounts PipeTrafficCounts::operator-(const PipeTrafficCounts& earlier) const {
    return {calls - earlier.calls,           callbacks - earlier.callbacks, messagesOut - earlier.messagesOut,
            messagesIn - earlier.messagesIn, bytesOut - earlier.bytesOut,   bytesIn - earlier.bytesIn};
}

PipeTraffic& PipeTraffic::process() {
    static PipeTraffic traffic;
    return traffic;
}

void PipeTraffic::sent(long long bytes, const UrpCounts& counts) {
    bytesOut_.fetch_add(bytes, kRelaxed);
    messagesOut_.fetch_add(counts.messages, kRelaxed);
    calls_.fetch_add(counts.requests, kRelaxed);
}

void PipeTraffic::received(long long bytes, const UrpCounts& counts) {
    bytesIn_.fetch_add(bytes, kRelaxed);
    messagesIn_.fetch_add(counts.messages, kRelaxed);
    callbacks_.fetch_add(counts.requests, kRelaxed);
}

void PipeTraffic::callSent() {
    calls_.fetch_add(1, kRelaxed);
}

PipeTrafficCounts PipeTraffic::counts() const {
    return {calls_.load(kRelaxed),      callbacks_.load(kRelaxed), messagesOut_.load(kRelaxed),
            messagesIn_.load(kRelaxed), bytesOut_.load(kRelaxed),  bytesIn_.load(kRelaxed)};
}

}  // namespace vane
