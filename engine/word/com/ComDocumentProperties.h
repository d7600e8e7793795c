// The built-in document properties, driven through IDispatch.
#pragma once

#include <utility>

#include "word/DocumentProperties.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComDocumentProperties final : public DocumentProperties {
public:
    explicit ComDocumentProperties(Dispatch object) : object_(std::move(object)) {}

    std::string value(const std::string& name) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
