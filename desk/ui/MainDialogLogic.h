// The behaviour of the main dialog without its window: Start (tool checks,
// then the conversion runner), Display result and About.
#pragma once

#include <string>

#include "CSetting.h"
#include "ConversionRunner.h"
#include "CoreFunctions.h"
#include "MainDialogView.h"
#include "frame/MessageIds.h"

namespace vane::desk {

// The oldest word-processor major version the conversions accept.
#ifdef _WIN32
inline constexpr int kMinimumWordVersion = 12;
#else
inline constexpr int kMinimumWordVersion = 7;
#endif

// The file to open for a document path: "<folder>/<name>/index.html" for
// HTML, "<folder>/<name>.pdf" for PDF, where name is the file name cut at its
// last ".". A path without a folder gives a target beside it ("report.pdf").
// On Windows "/" counts as "\\" and the target uses backslashes.
std::string result_target(const std::string& documentPath, OutputKind kind);

class MainDialogLogic {
public:
    // parameters are read at each conversion, so they follow later changes.
    MainDialogLogic(CoreFunctions core, const CSetting& parameters);
    ~MainDialogLogic();

    // Start button: checks the tools and runs the conversion; the log pane
    // receives the printed messages through the log output callback.
    void Start(MainDialogView& view);
    // Display result button.
    void DisplayResult(MainDialogView& view);
    // About item: clears the log pane and prints the library's banner there.
    void About(MainDialogView& view);

    // The word-processor version of the last check; kept once non-zero.
    int WordVersion() const { return wordVersion_; }

private:
    CoreFunctions core_;
    const CSetting& parameters_;
    int wordVersion_ = 0;
};

}  // namespace vane::desk
