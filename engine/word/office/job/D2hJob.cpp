#include "word/office/job/D2hJob.h"

#include "html/D2hWordPhase.h"
#include "word/Application.h"

namespace vane {

JobValues run_d2h_job(const std::vector<std::pair<std::string, std::string>>& arguments,
                      std::unique_ptr<word::Application> application) {
    D2hNames names;
    bool allHeadings = false;
    read_d2h_phase_arguments(arguments, names, allHeadings);
    D2hWordPhase phase(names, allHeadings);
    JobValues values;
    values.numbers["Result"] = phase.walk(std::move(application));
    values.numbers["NeedsReleaseWait"] = phase.needsReleaseWait() ? 1 : 0;
    if (!phase.title().empty()) values.texts["Title"] = phase.title();
    return values;
}

}  // namespace vane
