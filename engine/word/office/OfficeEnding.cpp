#include "word/office/OfficeEnding.h"

#include "word/office/OfficeProcess.h"
#include "word/office/PipeStats.h"

namespace vane {

OfficeEnding::OfficeEnding(std::unique_ptr<OfficeProcess> office) : office_(std::move(office)) {
    office_->askToQuit();
}

OfficeEnding::~OfficeEnding() {
    // The benchmark's "quit" is the wait that is left once the caller is done.
    PipeStats::process().begin();
    try {
        office_->quit();
    } catch (...) {
        // the process object's own destructor ends it
    }
    PipeStats::process().end("quit");
}

}  // namespace vane
