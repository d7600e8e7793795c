#include "word/HostedPhase.h"

#include <utility>

#include "frame/LibraryState.h"
#include "frame/Messages.h"

namespace vane::word {

HostedPhase library_phase(std::string name, std::vector<std::pair<std::string, std::string>> arguments) {
    HostedPhase phase;
    phase.name = std::move(name);
    phase.arguments = std::move(arguments);
    phase.output = [](const std::string& text) { output_text("%s", text.c_str()); };
    phase.message = [](int id) { return load_message(id); };
    return phase;
}

void add_run_flag_arguments(std::vector<std::pair<std::string, std::string>>& arguments) {
    const LibraryState& library = state();
    arguments.emplace_back("Verbose", library.verbose ? "1" : "0");
    arguments.emplace_back("Silent", library.silent ? "1" : "0");
    arguments.emplace_back("WordVisible", library.wordVisible ? "1" : "0");
}

bool read_run_flag_argument(const std::string& name, const std::string& value) {
    LibraryState& library = state();
    bool* flag = name == "Verbose"       ? &library.verbose
                 : name == "Silent"      ? &library.silent
                 : name == "WordVisible" ? &library.wordVisible
                                         : nullptr;
    if (flag == nullptr) return false;
    *flag = value == "1";
    return true;
}

}  // namespace vane::word
