// The d2h word phase as a job inside the office: from opening the working
// copy to saving it as HTML and closing it, with the names our process handed
// over.
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

// What a job hands back: numbers, and texts such as a title.
struct JobValues {
    std::map<std::string, long long> numbers;
    std::map<std::string, std::string> texts;
};

// Numbers: "Result" (the phase's result, 0 when done) and "NeedsReleaseWait";
// texts: "Title" (the document's title, left out when it has none).
JobValues run_d2h_job(const std::vector<std::pair<std::string, std::string>>& arguments,
                      std::unique_ptr<word::Application> application);

}  // namespace vane
