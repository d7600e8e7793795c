// Turns what the word processor has selected (a table-of-contents line, a
// hyperlink's text, a floating shape) into rectangles in PDF user space, one
// per text line, each tagged with its page.
//
// The page hint (1-based) names the page whose size and orientation are used
// and where the page lookup starts; each successful lookup stores the found
// page back into it. The fixed line height, when given and positive, is the
// height of every line; when given and exactly 0 the first font size read is
// stored into it; null or negative: each line takes its own font size.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "pdf/CRegion.h"

namespace vane::word {
class Selection;
class Shape;
}  // namespace vane::word

namespace vane {

class CDocinfo;

class CRegionList {
public:
    CRegionList() = default;
    CRegionList(const CRegionList&) = delete;
    CRegionList& operator=(const CRegionList&) = delete;
    ~CRegionList();

    void clear();

    // One rectangle per line of the selected text. The selection is put back
    // afterwards. Without a fixed line height (null) each line is as high as
    // its font size; an empty one takes the first line's size, which then
    // serves every line measured with it.
    void measureSelection(word::Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                          std::optional<float>* fixedLineHeight);
    // A table-of-contents entry: one rectangle from the line start to the
    // selection's end when the entry begins its line, else as measureSelection.
    void measureTocLine(word::Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                        std::optional<float>* fixedLineHeight);
    // A floating shape, selected when called: its box placed from its
    // position, references, the margins and the anchor paragraph's indents.
    void measureShape(const CDocinfo& docinfo, word::Shape& shape, word::Selection& selection,
                      std::int32_t& pageHint);

    std::vector<std::unique_ptr<CRegion>> regions;

private:
    // A field kept as one position whose result breaks over a line end: its
    // first part up to the text's right edge, its last part from the text's
    // left edge. False, measuring nothing, when its end is not drawn on a
    // lower line of the same page than its start.
    bool measureBrokenField(word::Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                            std::optional<float>* fixedLineHeight);
};

}  // namespace vane
