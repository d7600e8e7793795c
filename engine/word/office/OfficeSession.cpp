#include "word/office/OfficeSession.h"

#include <algorithm>
#include <stdexcept>

namespace vane {

OfficeProcess& OfficeSession::office() const {
    if (!process || !process->running()) throw std::runtime_error("the office is not running");
    return *process;
}

void OfficeSession::forget(const DocumentSession* document) {
    std::erase_if(documents, [document](const auto& open) { return open.get() == document; });
    if (active.get() == document) active = documents.empty() ? nullptr : documents.back();
}

}  // namespace vane
