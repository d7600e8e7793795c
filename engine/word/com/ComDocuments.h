// The document collection, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Documents.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComDocuments final : public Documents {
public:
    explicit ComDocuments(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Document> open(const std::string& path, const OpenOptions& options) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
