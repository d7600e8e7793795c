// The d2p word phase as a job inside the office: from opening the working
// copy to closing it, with the names and settings our process handed over.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vane {

namespace word {
class Application;
}

// Values: "Result" (the phase's result, 0 when done) and "OutlineEntries".
std::map<std::string, long long> run_d2p_job(
    const std::vector<std::pair<std::string, std::string>>& arguments,
    std::unique_ptr<word::Application> application);

}  // namespace vane
