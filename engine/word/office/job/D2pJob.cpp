#include "word/office/job/D2pJob.h"

#include "pdf/D2pWordPhase.h"
#include "word/Application.h"

namespace vane {

std::map<std::string, long long> run_d2p_job(
    const std::vector<std::pair<std::string, std::string>>& arguments,
    std::unique_ptr<word::Application> application) {
    D2pNames names;
    D2pSettings settings;
    read_d2p_phase_arguments(arguments, names, settings);
    D2pWordPhase phase(names, settings);
    const int result = phase.walk(std::move(application));
    return {{"Result", result}, {"OutlineEntries", static_cast<long long>(phase.outlineEntries())}};
}

}  // namespace vane
