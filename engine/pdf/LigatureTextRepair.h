// Repairs the text of glyphs that draw several letters ("ti", "tt") in the
// producer's PDF. Ghostscript 10.0's PDF interpreter writes such a glyph's
// text, when it reads it from the printed PDF's ToUnicode map, with each
// UTF-16 unit byte-swapped: <00740069> ("ti") becomes <74006900>, and the
// text reads as CJK characters. A destination of two or more units whose
// swapped form is one of the printed PDF's own multi-unit destinations, while
// its own form is not, is swapped back. A producer without the fault leaves
// nothing to repair.
#pragma once

#include <set>
#include <string>

namespace vane {

// `hex` (hex digits only) with the two bytes of every UTF-16 unit swapped;
// empty when it is not a whole number of units.
std::string unit_swapped(const std::string& hex);

// The destinations of two or more units in the bfchar and bfrange sections
// of the ToUnicode map `cmap`, as lower-case hex digits.
std::set<std::string> multi_unit_destinations(const std::string& cmap);

// `cmap` with every garbled destination swapped back (see above); unchanged
// when there is none.
std::string repair_cmap(const std::string& cmap, const std::set<std::string>& known);

// Rewrites the PDF at `producedPath` with its ToUnicode maps repaired against
// those of `printedPath`; leaves the file untouched when nothing needs it.
// Returns whether it rewrote it; throws std::runtime_error when it cannot
// read either PDF or write the result. Without a PDF library (the Windows
// build) it does nothing.
bool repair_ligature_text(const std::string& producedPath, const std::string& printedPath);

}  // namespace vane
