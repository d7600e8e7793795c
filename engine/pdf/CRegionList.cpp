#include "pdf/CRegionList.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "pdf/PageOrientation.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane {

namespace {

using word::Selection;

// Size and orientation of the page named by a page hint.
struct PageGeometry {
    float width;
    float height;
    bool landscape;
};

PageGeometry geometry_of(const CDocinfo& docinfo, std::int32_t page) {
    return {docinfo.pageWidth(page), docinfo.pageHeight(page), is_landscape_known_page(docinfo.pageOrientations, page)};
}

std::int32_t trunc_clamped(float value) {
    return std::max(static_cast<std::int32_t>(value), 0);
}

// The floating top edge from a vertical position measured from the page top.
float top_from(float v, float pageHeight) {
    return pageHeight - std::max(v - 0.5f, 0.0f);
}

// A horizontal edge from a position measured from the page left; turned over
// on landscape pages, whose axes the annotation writer exchanges.
std::int32_t edge_from(float h, float pageWidth, bool landscape) {
    float x = h - 0.5f;
    if (landscape) x = pageWidth - x;
    return trunc_clamped(x);
}

float vertical(Selection& selection) {
    return static_cast<float>(selection.information(word::kInfoVerticalPosition));
}

float horizontal(Selection& selection) {
    return static_cast<float>(selection.information(word::kInfoHorizontalPosition));
}

// Characters (not bytes) of a UTF-8 text, as the word processor counts them.
int char_count(const std::string& text) {
    int n = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

// Page of the selection's range start: the 1-based page (also stored into
// the hint), or -1 leaving the hint alone. Positions count from 0 inside a
// text box, footnote, header or footer, so the main text's page starts say
// nothing there: the word processor names the page itself.
std::int32_t lookup_page(Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint) {
    const auto range = selection.range();
    if (range->storyType() != word::kMainTextStory) {
        const auto page = static_cast<std::int32_t>(selection.information(word::kInfoActiveEndPageNumber));
        if (page < 1 || page > docinfo.pageCount) return -1;
        pageHint = page;
        return pageHint;
    }
    const std::int32_t index = docinfo.pageIndexOf(pageHint - 1, range->start());
    if (index < 0) return -1;
    pageHint = index + 1;
    return pageHint;
}

float line_height(Selection& selection, std::optional<float>* fixedLineHeight) {
    if (fixedLineHeight != nullptr && fixedLineHeight->has_value()) return **fixedLineHeight;
    const float size = selection.range()->font()->size();
    if (fixedLineHeight != nullptr && size > 0) *fixedLineHeight = size;
    return size;
}

std::int32_t bottom_from(float ttop, float lineHeight) {
    return static_cast<std::int32_t>(ttop - lineHeight - 0.5f);
}

}  // namespace

CRegionList::~CRegionList() {
    clear();
}

void CRegionList::clear() {
    regions.clear();
}

void CRegionList::measureSelection(Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                                   std::optional<float>* fixedLineHeight) {
    clear();
    const auto remembered = selection.range();
    const int rangeEnd = remembered->end();
    // A field the word processor keeps as one position shows its whole result
    // in the text: the moves below count positions, never more than the range has.
    int remaining = std::min(char_count(remembered->text()), rangeEnd - remembered->start());
    if (rangeEnd - remembered->start() == 1 && char_count(remembered->text()) > 1 &&
        measureBrokenField(selection, docinfo, pageHint, fixedLineHeight)) {
        remembered->select();
        return;
    }

    // Count the lines the selection touches.
    selection.collapse(word::kCollapseStart);
    selection.homeKey(word::kUnitLine, word::kMove);
    int lines = 1;
    while (selection.start() < rangeEnd) {
        const int before = selection.start();
        selection.move(word::kUnitLine, 1);
        if (selection.start() <= before || selection.start() >= rangeEnd) break;
        ++lines;
    }

    remembered->select();
    selection.collapse(word::kCollapseStart);
    for (int g = 1; g <= lines; ++g) {
        // The line's own page gives the geometry: a line that starts a
        // landscape page after a portrait one is measured as landscape.
        const std::int32_t found = lookup_page(selection, docinfo, pageHint);
        const PageGeometry page = geometry_of(docinfo, pageHint);
        const float v = vertical(selection);
        const auto identity = static_cast<std::int32_t>(v);
        const float ttop = top_from(v, page.height);
        const std::int32_t top = trunc_clamped(ttop);
        const std::int32_t left = edge_from(horizontal(selection), page.width, page.landscape);
        const std::int32_t bottom = bottom_from(ttop, line_height(selection, fixedLineHeight));

        // Move to the right end of this line's part of the selection.
        if (g == lines) {
            selection.move(word::kUnitCharacter, remaining);
        } else {
            int n = 0;
            if (g == 1) {
                selection.move(word::kUnitCharacter, 1);
                if (static_cast<std::int32_t>(vertical(selection)) == identity) {
                    selection.endKey(word::kUnitLine, word::kExtend);
                    n = char_count(selection.range()->text()) + 1;
                    selection.collapse(word::kCollapseStart);
                    selection.endKey(word::kUnitLine, word::kMove);
                } else {
                    // The selection starts at the very end of its line.
                    selection.move(word::kUnitCharacter, -1);
                }
            } else {
                selection.endKey(word::kUnitLine, word::kExtend);
                n = char_count(selection.range()->text());
                selection.collapse(word::kCollapseStart);
                selection.endKey(word::kUnitLine, word::kMove);
            }
            remaining = std::max(remaining - n, 0);
        }
        const float widthAfter = docinfo.pageWidth(pageHint);
        const std::int32_t right = edge_from(horizontal(selection), widthAfter, page.landscape);
        if (right != left) regions.push_back(std::make_unique<CRegion>(found, top, bottom, left, right));

        if (g < lines) {
            // On to the start of the next line.
            while (selection.move(word::kUnitCharacter, 1) != 0 &&
                   static_cast<std::int32_t>(vertical(selection)) == identity) {
            }
            selection.homeKey(word::kUnitLine, word::kMove);
        }
    }
    remembered->select();
}

bool CRegionList::measureBrokenField(Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                                     std::optional<float>* fixedLineHeight) {
    const auto field = selection.range();
    selection.collapse(word::kCollapseEnd);
    const float endV = vertical(selection);
    const float endH = horizontal(selection);
    field->select();
    selection.collapse(word::kCollapseStart);
    const float v = vertical(selection);
    // The end on a lower line of the same page (a lower position on a later
    // page would read as a higher line).
    if (static_cast<std::int32_t>(endV) <= static_cast<std::int32_t>(v)) return false;

    const std::int32_t found = lookup_page(selection, docinfo, pageHint);
    const PageGeometry page = geometry_of(docinfo, pageHint);
    const float height = line_height(selection, fixedLineHeight);
    const bool inTable =
        static_cast<std::int32_t>(selection.information(word::kInfoWithInTable)) != word::kInfoFalse;
    const float startH = horizontal(selection);
    // The text's edges: the margins and the paragraph's indents; inside a
    // table cell only the left edge is known, where the field's line starts.
    float leftEdge = 0;
    float rightEdge = 0;
    if (inTable) {
        selection.homeKey(word::kUnitLine, word::kMove);
        leftEdge = horizontal(selection);
    } else {
        const auto setup = selection.pageSetup();
        leftEdge = setup->leftMargin();
        rightEdge = page.width - setup->rightMargin();
        if (const auto paragraph = field->paragraphs()->first()) {
            leftEdge += paragraph->leftIndent();
            rightEdge -= paragraph->rightIndent();
        }
    }
    const auto add = [&](float lineV, float fromH, float toH) {
        if (toH <= fromH) return;
        const float ttop = top_from(lineV, page.height);
        const std::int32_t left = edge_from(fromH, page.width, page.landscape);
        const std::int32_t right = edge_from(toH, page.width, page.landscape);
        if (right == left) return;
        regions.push_back(
            std::make_unique<CRegion>(found, trunc_clamped(ttop), bottom_from(ttop, height), left, right));
    };
    if (!inTable) add(v, startH, rightEdge);
    add(endV, leftEdge, endH);
    return true;
}

void CRegionList::measureTocLine(Selection& selection, const CDocinfo& docinfo, std::int32_t& pageHint,
                                 std::optional<float>* fixedLineHeight) {
    clear();
    const auto remembered = selection.range();
    const int rangeStart = remembered->start();

    selection.collapse(word::kCollapseEnd);
    const float xe = horizontal(selection) - 0.5f;
    selection.homeKey(word::kUnitLine, word::kMove);
    const int lineStart = selection.start();
    remembered->select();
    if (lineStart != rangeStart) {
        // The entry does not begin its last line (it wraps, or starts mid-line).
        measureSelection(selection, docinfo, pageHint, fixedLineHeight);
        return;
    }

    selection.collapse(word::kCollapseStart);
    const std::int32_t found = lookup_page(selection, docinfo, pageHint);
    const PageGeometry page = geometry_of(docinfo, pageHint);
    const float ttop = top_from(vertical(selection), page.height);
    const std::int32_t top = trunc_clamped(ttop);
    const std::int32_t left = edge_from(horizontal(selection), page.width, page.landscape);
    const std::int32_t right = trunc_clamped(page.landscape ? page.width - xe : xe);
    const std::int32_t bottom = bottom_from(ttop, line_height(selection, fixedLineHeight));
    remembered->select();
    if (right != left) regions.push_back(std::make_unique<CRegion>(found, top, bottom, left, right));
}

void CRegionList::measureShape(const CDocinfo& docinfo, word::Shape& shape, Selection& selection,
                               std::int32_t& pageHint) {
    clear();
    const auto remembered = selection.range();

    shape.anchor()->select();
    const auto inTable =
        static_cast<std::int16_t>(static_cast<std::int32_t>(selection.information(word::kInfoWithInTable)));
    const float anchorTop = vertical(selection);
    if (inTable > 0) return;

    remembered->select();
    const std::int32_t found = lookup_page(selection, docinfo, pageHint);
    const float ws = shape.width();
    const float hs = shape.height();
    const float shapeTop = shape.top();
    const float shapeLeft = shape.left();
    const int horizontalRef = shape.relativeHorizontalPosition();
    const int verticalRef = shape.relativeVerticalPosition();
    const auto setup = selection.pageSetup();
    const float mT = setup->topMargin();
    const float mB = setup->bottomMargin();
    const float mL = setup->leftMargin();
    const float mR = setup->rightMargin();
    float iL = 0;
    float iR = 0;
    if (auto first = remembered->paragraphs()->first()) {
        iL = first->leftIndent();
        iR = first->rightIndent();
    }
    const PageGeometry page = geometry_of(docinfo, pageHint);
    const float W = page.width;
    const float H = page.height;

    // Horizontal position; the special positions are told by their integer part.
    float x = shapeLeft;
    if (static_cast<std::int32_t>(shapeLeft) == word::kShapeLeftUnset) {
        x = static_cast<float>(word::kShapeLeft);
    } else if (shapeLeft > 0 && shapeLeft > W) {
        x = 0;
    }
    const auto hSpecial = static_cast<std::int32_t>(x);
    if (horizontalRef == word::kRelativeColumn) {
        if (x >= 0) {
            x = x + iL + mL;
        } else if (hSpecial == word::kShapeCenter) {
            x = (W - mR - iR - mL - iL) * 0.5f + (mL + iL) - ws * 0.5f;
        } else if (hSpecial == word::kShapeLeft) {
            x = iL + mL;
        } else if (hSpecial == word::kShapeRight) {
            x = W - mR - iR - ws;
        }
    } else if (horizontalRef == word::kRelativePage) {
        if (hSpecial == word::kShapeCenter) {
            x = W * 0.5f - ws * 0.5f;
        } else if (hSpecial == word::kShapeLeft) {
            x = 0;
        } else if (hSpecial == word::kShapeRight) {
            x = W - ws;
        }
    } else if (horizontalRef == word::kRelativeMargin) {
        if (x >= 0) {
            x = x + mL;
        } else if (hSpecial == word::kShapeCenter) {
            x = mL + (W - mR - mL) * 0.5f - ws * 0.5f;
        } else if (hSpecial == word::kShapeLeft) {
            x = mL;
        } else if (hSpecial == word::kShapeRight) {
            x = W - mR - ws;
        }
    }

    // Vertical position.
    float y = shapeTop;
    const auto vSpecial = static_cast<std::int32_t>(shapeTop);
    if (verticalRef == word::kRelativeParagraph) {
        if (shapeTop >= 0) y = shapeTop + anchorTop;
    } else if (verticalRef == word::kRelativeMargin) {
        if (shapeTop >= 0) {
            y = shapeTop + mT;
        } else if (vSpecial == word::kShapeCenter) {
            y = mT + (H - mB - mT) * 0.5f - hs * 0.5f;
        } else if (vSpecial == word::kShapeTop) {
            y = mT;
        } else if (vSpecial == word::kShapeBottom) {
            y = H - mB - hs;
        }
    } else if (verticalRef == word::kRelativePage) {
        if (vSpecial == word::kShapeTop) {
            y = 0;
        } else if (vSpecial == word::kShapeBottom) {
            y = H - hs;
        }
    }

    const std::int32_t top = trunc_clamped(H - std::max(y - 0.5f, 0.0f));
    const std::int32_t bottom = trunc_clamped(H - std::max(y + hs + 0.5f, 0.0f));
    const std::int32_t left = trunc_clamped(page.landscape ? W - (x - 0.5f) : x - 0.5f);
    const std::int32_t right = trunc_clamped(page.landscape ? W - (x + ws + 0.5f) : x + ws + 0.5f);

    if (left != right) regions.push_back(std::make_unique<CRegion>(found, top, bottom, left, right));
    remembered->select();
}

}  // namespace vane
