// Text for glyphs that stand for several characters (ligatures such as "ft").
// pdftocairo names such glyphs /g1, /g2 … without any text, so after
// Ghostscript they extract as control characters. The office PDF knows their
// text (ToUnicode); glyphs are matched by their outline data, and each
// PostScript font holding such glyphs gets a /GlyphNames2Unicode map in its
// FontInfo and a name of its own (Ghostscript otherwise merges it with the
// other subset of the same font and draws it as a bitmap without text).
#pragma once

#include <map>
#include <string>

namespace vane {

// Outline data of a glyph (as stored in the font's glyf table) → its text in
// UTF-16BE, for the multi-character glyphs of every TrueType font in the PDF.
using LigatureTexts = std::map<std::string, std::string>;

LigatureTexts read_ligature_texts(const std::string& pdfPath);

// Returns `postScript` with the map added to every font that has glyphs named
// /g<n> whose outline is found in `texts`.
std::string label_ligature_glyphs(const std::string& postScript, const LigatureTexts& texts);

}  // namespace vane
