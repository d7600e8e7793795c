// A private office asked to end after its hosted phase; destroying the object
// waits for its process (killing it after the time-out) and removes its profile.
#pragma once

#include <memory>

#include "word/WordProcessorEnding.h"

namespace vane {

class OfficeProcess;

class OfficeEnding final : public word::WordProcessorEnding {
public:
    // Asks `office` to end without waiting for it.
    explicit OfficeEnding(std::unique_ptr<OfficeProcess> office);
    ~OfficeEnding() override;

private:
    std::unique_ptr<OfficeProcess> office_;
};

}  // namespace vane
