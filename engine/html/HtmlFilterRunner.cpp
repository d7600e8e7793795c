#include "html/HtmlFilterRunner.h"

#include <memory>
#include <string>
#include <vector>

#include "frame/FileUtil.h"
#include "frame/TextUtil.h"
#include "html/StoredBlock.h"
#include "platform/CommandLine.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {

namespace {

#ifdef _WIN32
constexpr const char* kProgramSuffix = ".exe";
constexpr char kSeparator = '\\';
#else
constexpr const char* kProgramSuffix = "";
constexpr char kSeparator = '/';
#endif

// The folder part of a program path: up to its last '\\', else its last '/'
// (only '/' where a backslash is an ordinary character of a file name).
std::string program_directory(const std::string& program) {
#if defined(_WIN32)
    std::size_t cut = program.rfind('\\');
    if (cut == std::string::npos) cut = program.rfind('/');
#else
    const std::size_t cut = program.rfind('/');
#endif
    return cut == std::string::npos ? std::string() : program.substr(0, cut);
}

// The program named by a command line: the text inside its leading quotes
// (double, else single) with every other quote removed, or the text before
// the first space. A double-quoted program is read as the command line's
// splitter reads it, so that an escaped quote in its name does not end it.
std::string program_part(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::vector<std::string> args = split_command_line(commandLine);
        return args.empty() ? std::string() : args[0];
    }
    if (!commandLine.empty() && commandLine[0] == '\'') {
        const std::size_t close = commandLine.find(commandLine[0], 1);
        std::string inside =
            commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        std::erase(inside, '"');
        std::erase(inside, '\'');
        return inside;
    }
    return commandLine.substr(0, commandLine.find(' '));
}

}  // namespace

int run_child(const char* commandLine, int& exitCode) {
    exitCode = 0;
    if (commandLine == nullptr) return -1;
    const std::string line = normalize_spaces(commandLine, false);
    if (line.empty()) return -1;

    std::string workingDirectory = program_directory(program_part(line));
    if (workingDirectory.empty()) workingDirectory = env().currentDirectory();

    std::unique_ptr<ChildProcess> child = env().startProcess(line, workingDirectory);
    if (!child) return -1;
    // Poll: 10 ms after each look, then a delay from 1 ms growing by a tenth
    // plus 1 ms up to 10 s. No overall limit: the filter ends by itself.
    exitCode = wait_for_exit(*child, PollSchedule{10, 1, 10000});
    return 0;
}

bool run_html_filter(const std::string& input, const std::string& output) {
    const StoredBlock& program = stored_filter_program();
    if (program.size == 0) return false;

    const std::size_t slash = input.rfind(kSeparator);
    const std::string directory =
        slash == std::string::npos ? env().currentDirectory() : input.substr(0, slash);
    std::string name = slash == std::string::npos ? input : input.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);

    const std::string programPath =
        directory + kSeparator + std::to_string(env().processId()) + "_" + name + kProgramSuffix;
    if (!write_file(programPath.c_str(), program.size, program.bytes)) return false;
    if (!env().makeExecutable(programPath)) {
        delete_file(programPath.c_str());
        return false;
    }
    const std::string commandLine = quote_command_argument(programPath) + " -b -f -a " +
                                    quote_command_argument(input) + " " + quote_command_argument(output);
    int exitCode = -1;
    const int ran = run_child(commandLine.c_str(), exitCode);
    delete_file(programPath.c_str());
    // The caller replaces the input by the output on success, so a filter that
    // failed (and left no output) must not count as one.
    return ran == 0 && exitCode == 0 && file_exists(output.c_str());
}

}  // namespace vane
