// Command lines and working directory of the PDF producers. Every path stands
// in double quotes on the command line.
#pragma once

#include <string>

namespace vane {

// The Ghostscript pdfwrite command line; a non-empty job path is read as an
// argument file, openOutline asks the viewer to open with the outline shown.
std::string ghostscript_command_line(const std::string& program, const std::string& psPath,
                                     const std::string& pdfPath, const std::string& jobPath,
                                     bool openOutline);

// The Distiller command line; a non-empty job path names the job options.
std::string distiller_command_line(const std::string& program, const std::string& psPath,
                                   const std::string& pdfPath, const std::string& jobPath);

// The folder of the program, ending in a separator; the current directory
// when the program path names no folder.
std::string producer_working_directory(const std::string& program);

// Distiller's log beside the PDF: the file name's extension replaced by
// ".log", or ".log" appended when it has none.
std::string distiller_log_path(const std::string& pdfPath);

}  // namespace vane
