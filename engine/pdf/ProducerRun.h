// Running a PDF producer on the finished mark file: the program is started
// hidden in its own folder and waited for; success is its exit code 0.
// Neither runner deletes the PostScript file.
#pragma once

#include <string>

namespace vane {

// Ghostscript (the path in producer_paths()) with the pdfwrite device.
bool runGhostscript(std::string psPath, std::string pdfPath, std::string jobPath, bool openOutline);

// Distiller (the path in producer_paths()); removes the ".log" it leaves beside the PDF.
bool runDistiller(std::string psPath, std::string pdfPath, std::string jobPath);

enum class PdfProducer { Ghostscript, Distiller };

// The "creating the PDF" step of d2p: announces it (not under -s), runs the
// producer and reports its failure: a non-zero exit, or an output that is not
// a complete PDF. Returns 0, -13 (Ghostscript failed) or
// -14 (Distiller failed). openOutline is ignored by Distiller.
int make_pdf(PdfProducer producer, const std::string& markPath, const std::string& pdfPath,
             const std::string& jobPath, bool openOutline);

}  // namespace vane
