#include "word/office/PipeStats.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vane {

PipeStats& PipeStats::process() {
    static PipeStats stats("", PipeTraffic::process());
    // Looked up at every use (a few dozen times a run): a caller that sets
    // the variable after an earlier run of the same process is followed.
    const char* path = std::getenv("VANE_PIPE_STATS");
    stats.setPath(path != nullptr ? path : "");
    return stats;
}

PipeStats::PipeStats(std::string path, PipeTraffic& traffic) : path_(std::move(path)), traffic_(traffic) {}

void PipeStats::setPath(const std::string& path) {
    const std::lock_guard guard(lock_);
    if (path == path_) return;
    path_ = path;
    marked_ = false;
}

bool PipeStats::enabled() const {
    const std::lock_guard guard(lock_);
    return !path_.empty();
}

void PipeStats::setSide(const std::string& side) {
    const std::lock_guard guard(lock_);
    side_ = side;
}

void PipeStats::begin() {
    const std::lock_guard guard(lock_);
    if (path_.empty()) return;
    if (marked_) write(gap_.c_str());
    since_ = Clock::now();
    at_ = traffic_.counts();
    marked_ = true;
}

void PipeStats::end(const char* phase, const char* gap) {
    const std::lock_guard guard(lock_);
    if (path_.empty()) return;
    if (!marked_) {
        since_ = Clock::now();
        at_ = traffic_.counts();
    }
    write(phase);
    since_ = Clock::now();
    at_ = traffic_.counts();
    marked_ = true;
    gap_ = gap;
}

void PipeStats::write(const char* phase) {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - since_).count();
    const std::string text = line(side_, phase, ms, traffic_.counts() - at_);
    // One write in append mode: lines of the two processes do not mix.
    if (std::FILE* file = std::fopen(path_.c_str(), "ab")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

std::string PipeStats::line(const std::string& side, const std::string& phase, double ms,
                            const PipeTrafficCounts& counts) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "%.1f\t%lld\t%lld\t%lld\t%lld\t%lld\t%lld", ms, counts.calls,
                  counts.callbacks, counts.messagesOut, counts.messagesIn, counts.bytesOut, counts.bytesIn);
    return side + "\t" + phase + "\t" + numbers + "\n";
}

}  // namespace vane
