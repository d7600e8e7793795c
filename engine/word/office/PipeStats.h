// Wall time and pipe traffic per phase of a run with the office, for the
// benchmark. When the environment variable VANE_PIPE_STATS names a file,
// every phase end appends one line to it, tab-separated:
//
//   side  phase  ms  calls  callbacks  messages_out  messages_in  bytes_out  bytes_in
//
// side is "vane" (our process) or "office" (the job inside the office's
// process, which counts only the calls it makes back to us); ms has one
// decimal. A phase runs from begin() to end(); the time from one end() to
// the next begin() is written too, under the name end() gave it ("walk"
// between opening and printing, else "between"). Without the variable
// nothing is measured or written.
#pragma once

#include <chrono>
#include <mutex>
#include <string>

#include "word/office/PipeTraffic.h"

namespace vane {

class PipeStats {
public:
    // This process's stats, writing where VANE_PIPE_STATS says.
    static PipeStats& process();

    PipeStats(std::string path, PipeTraffic& traffic);

    bool enabled() const;
    // Another file (none: "") starts afresh.
    void setPath(const std::string& path);
    void setSide(const std::string& side);
    void begin();
    void end(const char* phase, const char* gap = "between");

    static std::string line(const std::string& side, const std::string& phase, double ms,
                            const PipeTrafficCounts& counts);

private:
    using Clock = std::chrono::steady_clock;
    void write(const char* phase);

    std::string path_;
    PipeTraffic& traffic_;
    mutable std::mutex lock_;
    std::string side_ = "vane";
    bool marked_ = false;
    std::string gap_;
    Clock::time_point since_;
    PipeTrafficCounts at_;
};

}  // namespace vane
