// Opening documents in the office.
#pragma once

#include <memory>

#include "word/Documents.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeDocuments final : public word::Documents {
public:
    explicit OfficeDocuments(std::shared_ptr<OfficeSession> session) : session_(std::move(session)) {}
    std::unique_ptr<word::Document> open(const std::string& path, const word::OpenOptions& options) override;

private:
    std::shared_ptr<OfficeSession> session_;
};

// Whether the office's import filter `filter` reads a word-processor file
// (plain-text import, the office's fallback for unreadable files, does not).
bool is_word_processor_filter(const std::string& filter);

}  // namespace vane
