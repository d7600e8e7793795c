// The PDF's document information: the document's title, author, subject and
// keywords as one DOCINFO mark, and the viewer told to show the title.
#pragma once

#include <string>

namespace vane {

class CDocinfo;

// `text` as a pdfmark string: "(...)" with PostScript escapes when every byte
// is printable ASCII, otherwise "<FEFF...>", its UTF-16 code units in hex.
std::string pdfmark_text(const std::string& text);

// The lines, each ending in CR LF, that go before the outline marks: a DOCINFO
// mark with the non-empty properties, and with a title a catalog mark that has
// the viewer show it in its title bar. Empty when every property is empty.
// When a property holds characters beyond Latin-1, a first line asks the
// producer to leave out the XMP metadata, which would mangle them.
std::string docinfo_marks(const CDocinfo& info);

// The DOCINFO mark alone, for the end of the joined file: a printed file's
// header comments (a %%Title naming the print job) would otherwise replace the
// document's properties, since the producer keeps the last value it reads.
// Empty when every property is empty.
std::string docinfo_closing_mark(const CDocinfo& info);

}  // namespace vane
