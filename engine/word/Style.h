// One style of a document.
#pragma once

#include <memory>
#include <string>

#include "word/ParagraphFormat.h"

namespace vane::word {

class Style {
public:
    virtual ~Style() = default;
    // The name in the document's language ("Heading 1", "Titre 1", ...), UTF-8.
    virtual std::string nameLocal() = 0;
    // True for the word processor's own styles (the built-in headings among
    // them); a heading walk trusts only those.
    virtual bool builtIn() = 0;
    // Throws WordError when the style has no paragraph format (character styles).
    virtual std::unique_ptr<ParagraphFormat> paragraphFormat() = 0;
};

}  // namespace vane::word
