// One section of a document.
#pragma once

#include <memory>

#include "word/HeadersFooters.h"
#include "word/PageSetup.h"

namespace vane::word {

class Section {
public:
    virtual ~Section() = default;
    virtual std::unique_ptr<HeadersFooters> headers() = 0;
    virtual std::unique_ptr<HeadersFooters> footers() = 0;
    virtual std::unique_ptr<PageSetup> pageSetup() = 0;
};

}  // namespace vane::word
