// The option parser shared by every command export.
#pragma once

#include <string>

namespace vane {

inline constexpr int kOptionPresent = 0;
inline constexpr int kOptionAbsent = 1;

// Finds option `letter` among argv[1..argc-1]: the first argument that starts
// with '-', is longer than one character and has `letter` as its second
// character. A valued option takes the next argument, unless there is none or
// it starts with '-'; the value is normalised and stored in the option value
// buffer. An argument or value longer than 2047 characters is refused: the
// option then counts as absent. Returns kOptionPresent or kOptionAbsent.
int get_option(char letter, int argc, char* argv[], bool takesValue);

// The value stored by the last successful valued get_option.
const char* option_value();

// A command's operand: the first argument after argv[0] that does not begin
// with '-', skipping options and their values. Options whose letter is in
// `flagLetters` take no value; any other option takes the next argument
// unless it begins with '-' (a valued option that is the last argument leaves
// no operand). Empty when there is none.
std::string find_operand(int argc, char* argv[], const char* flagLetters);

// The leading decimal integer of a text (optional sign, then digits); 0 when
// the text does not start that way.
int leading_int(const char* text);

}  // namespace vane
