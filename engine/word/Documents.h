// The application's collection of open documents.
#pragma once

#include <memory>
#include <string>

#include "word/Document.h"

namespace vane::word {

// Arguments of open that the callers set; passwords, format and encoding are
// left to the word processor (encoding passed as false where it must be given).
struct OpenOptions {
    bool confirmConversions = false;
    bool readOnly = false;
    bool addToRecentFiles = false;
    bool revert = false;
    bool visible = true;
};

class Documents {
public:
    virtual ~Documents() = default;
    // Opens the file at `path`; null when no document comes back. Throws
    // WordError when the word processor refuses the file.
    virtual std::unique_ptr<Document> open(const std::string& path, const OpenOptions& options) = 0;
};

}  // namespace vane::word
