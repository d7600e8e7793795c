#include "pdf/ProducerCommand.h"

#include "platform/CommandLine.h"
#include "platform/Env.h"

namespace vane {

namespace {

#if defined(_WIN32)
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// Ghostscript reads a "%" in the output file name as the start of a page
// number format ("%d"); "%%" stands for the character itself.
std::string ghostscript_output_name(const std::string& pdfPath) {
    std::string name;
    for (const char c : pdfPath) {
        name += c;
        if (c == '%') name += '%';
    }
    return name;
}

}  // namespace

std::string ghostscript_command_line(const std::string& program, const std::string& psPath,
                                     const std::string& pdfPath, const std::string& jobPath,
                                     bool openOutline) {
    std::string line = quote_command_argument(program) +
                       " -dBATCH -dSAFER -DNOPAUSE -q -sDEVICE=pdfwrite -dPDFSETTINGS=/printer " +
                       quote_command_argument("-sOutputFile=" + ghostscript_output_name(pdfPath)) + " ";
    if (!jobPath.empty()) line += " " + quote_command_argument("@" + jobPath) + " ";
    if (openOutline) line += "-c \"[ /PageMode /UseOutlines /DOCVIEW pdfmark\" ";
    line += "-f " + quote_command_argument(psPath);
    return line;
}

std::string distiller_command_line(const std::string& program, const std::string& psPath,
                                   const std::string& pdfPath, const std::string& jobPath) {
    std::string line = quote_command_argument(program) + " /N /Q /O ";
    line += quote_command_argument(pdfPath) + " ";
    if (!jobPath.empty()) line += "/J " + quote_command_argument(jobPath) + " ";
    line += quote_command_argument(psPath);
    return line;
}

std::string producer_working_directory(const std::string& program) {
    const std::size_t last = program.rfind(kSeparator);
    std::string directory =
        last != std::string::npos ? program.substr(0, last + 1) : env().currentDirectory();
    if (!directory.empty() && directory.back() != kSeparator) directory += kSeparator;
    return directory;
}

std::string distiller_log_path(const std::string& pdfPath) {
    // Only a dot in the file name counts: one in a folder name would put the
    // log (and its deletion) somewhere else entirely.
    const std::size_t name = pdfPath.find_last_of("\\/");
    const std::size_t dot = pdfPath.rfind('.');
    if (dot == std::string::npos || (name != std::string::npos && dot < name)) return pdfPath + ".log";
    return pdfPath.substr(0, dot) + ".log";
}

}  // namespace vane
