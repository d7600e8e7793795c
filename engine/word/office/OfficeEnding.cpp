#include "word/office/OfficeEnding.h"

#include "word/office/OfficeProcess.h"

namespace vane {

OfficeEnding::OfficeEnding(std::unique_ptr<OfficeProcess> office) : office_(std::move(office)) {
    office_->askToQuit();
}

OfficeEnding::~OfficeEnding() {
    try {
        office_->quit();
    } catch (...) {
        // the process object's own destructor ends it
    }
}

}  // namespace vane
