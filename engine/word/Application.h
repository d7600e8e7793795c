// A running word processor. Objects it hands out are valid until quit().
#pragma once

#include <memory>
#include <string>

#include "word/Documents.h"
#include "word/Selection.h"

namespace vane::word {

class Application {
public:
    virtual ~Application() = default;
    // Null when the word processor has no document collection.
    virtual std::unique_ptr<Documents> documents() = 0;
    // The selection of the active document.
    virtual std::unique_ptr<Selection> selection() = 0;
    // Shows or hides the word processor's windows (hidden when started by automation).
    virtual void setVisible(bool visible) = 0;
    // The printer the word processor prints to, by name; setting an unknown
    // printer throws WordError.
    virtual std::string activePrinter() = 0;
    virtual void setActivePrinter(const std::string& name) = 0;
    // Version text, e.g. "16.0"; its leading number is the major version.
    virtual std::string version() = 0;
    // Ends the word processor without saving anything.
    virtual void quit() = 0;
};

}  // namespace vane::word
