// Runs a phase inside a private office: starts the office, loads the job
// library into it (no registration: the office's shared-library loader
// activates it by path), hands the job its arguments with a callback for the
// messages, and ends the office: after a completed phase it is only asked to
// end (the result's `ending` waits for it). An office that dies during the
// phase makes a failed phase; nothing of the office is left behind either way.
#pragma once

#include <com/sun/star/task/XJob.hpp>
#include <filesystem>
#include <set>
#include <string>

#include "word/office/OfficeProcess.h"

namespace vane {

namespace word {
struct HostedPhase;
struct HostedPhaseResult;
}  // namespace word

class OfficeJobClient {
public:
    OfficeJobClient(Env& env, const OfficeProcessOptions& options);

    word::HostedPhaseResult run(const word::HostedPhase& phase);

private:
    css::uno::Reference<css::task::XJob> createJob(const OfficeProcess& office) const;
    // What an office that died during the phase left beside the files it
    // printed into (lock files, its temporaries); the printed files are the
    // caller's.
    static void removeLeftovers(const word::HostedPhase& phase,
                                const std::set<std::filesystem::path>& earlierTemporaries);

    Env& env_;
    OfficeProcessOptions options_;
};

// The job library's path: beside the module, in the directory holding vanecore.
std::string office_job_library_path(Env& env);

}  // namespace vane
