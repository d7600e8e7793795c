// Routes the engine's messages, while a job runs, to the caller's callback:
// each formatted message as it is printed, and the catalogue texts from the
// caller's catalogue. Installed for the life of the object.
#pragma once

#include <com/sun/star/task/XJob.hpp>

namespace vane {

class JobOutput {
public:
    explicit JobOutput(const css::uno::Reference<css::task::XJob>& callback);
    JobOutput(const JobOutput&) = delete;
    JobOutput& operator=(const JobOutput&) = delete;
    ~JobOutput();
};

}  // namespace vane
