// Whether a producer's output is a whole PDF. A producer can exit with 0 and
// still leave a file cut short (a full disk while it wrote): such a file has
// no cross-reference table or trailer and would pass for the publication.
#pragma once

#include <string>

namespace vane {

// True when the file opens as a PDF without repair and has at least one page.
// Where no PDF library is built in (the Windows build), the check is
// structural: "%PDF-" at the start, "startxref" and "%%EOF" at the end.
bool is_complete_pdf(const std::string& path);

}  // namespace vane
