// The field exchange of the Parameters dialog: reading its controls into the
// current parameters with the integer validation, and the values to show.
#pragma once

#include <string>

#include "CSetting.h"

namespace vane::desk {

// Control ids of the Parameters dialog.
inline constexpr int kIdHeadingLevel = 1007;
inline constexpr int kIdHeadingLevelPdf = 1008;
inline constexpr int kIdUseHome = 1009;
inline constexpr int kIdInternalLinks = 1010;
inline constexpr int kIdSkipHeadings = 1011;
inline constexpr int kIdIndexWidth = 1012;
inline constexpr int kIdOpenBookmarks = 1013;
inline constexpr int kIdAllHeadingsHtml = 1020;
inline constexpr int kIdAllHeadingsPdf = 1021;
inline constexpr int kIdCrossReferences = 1022;

// The state of the ten controls.
struct ParameterControls {
    int headingLevelIndex = 0;     // list 1007, items "1" to "6"
    int headingLevelPdfIndex = 0;  // list 1008, items "0" to "6"
    std::string indexWidthText;    // edit 1012
    bool internalLinks = false;    // check box 1010
    bool openBookmarks = false;    // check box 1013
    std::string skipHeadingsText;  // edit 1011
    bool useHome = false;          // check box 1009
    bool allHeadingsHtml = false;  // check box 1020
    bool allHeadingsPdf = false;   // check box 1021
    bool crossReferences = false;  // check box 1022
};

// Why an exchange stopped.
enum class ExchangeError { None, NotAnInteger, OutOfRange };

struct ExchangeResult {
    ExchangeError error = ExchangeError::None;
    int control = 0;  // id of the failing control
    int minimum = 0;  // range of an OutOfRange failure
    int maximum = 0;
    bool ok() const { return error == ExchangeError::None; }
};

// Reads a decimal integer the way the dialog does: optional leading blanks
// and sign, then digits up to the first other character. False when the text
// does not begin with a number; a value too large for an int saturates.
bool read_dialog_integer(const std::string& text, int& value);

// Reads the controls into parameters in the order 1007, 1008, 1012, 1010,
// 1013, 1011, 1009, then the check boxes 1020 to 1022, and stops at the first failure. Fields read before the
// failure keep their new values, and an out-of-range number is stored as read
// before it is refused.
ExchangeResult read_parameter_controls(const ParameterControls& controls, CSetting& parameters);

// The control states that show parameters.
ParameterControls parameter_controls_for(const CSetting& parameters);

}  // namespace vane::desk
