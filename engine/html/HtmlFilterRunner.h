// Runs the stored HTML filter program on the word processor's HTML export.
#pragma once

#include <string>

namespace vane {

// Writes the stored filter program next to `input` as "<pid>_<name>" (plus
// ".exe" on Windows), runs it as `"<program>" -b -f -a "<input>" "<output>"`
// and deletes it again in every case. True when the program ran, ended with
// exit code 0 and left the output file.
bool run_html_filter(const std::string& input, const std::string& output);

// Runs a command line as a hidden child process in the directory of its
// program (the current one when it names none) and waits for it by polling.
// 0 when it ran, with its exit code in `exitCode`; -1 when the command line is
// null or empty or the process cannot be started.
int run_child(const char* commandLine, int& exitCode);

}  // namespace vane
