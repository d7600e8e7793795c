// Codes the word processor's automation interface takes and gives back. The
// values are the word processor's own, so that every backend passes them on
// unchanged and callers compare answers with them directly.
#pragma once

namespace vane::word {

// What a go-to moves to.
inline constexpr int kGoToBookmark = -1;
inline constexpr int kGoToPage = 1;
inline constexpr int kGoToLine = 3;
inline constexpr int kGoToHeading = 11;

// Which one: first, next, previous; absolute (with a count) shares the value of first.
inline constexpr int kGoToFirst = 1;
inline constexpr int kGoToNext = 2;
inline constexpr int kGoToPrevious = 3;
inline constexpr int kGoToAbsolute = 1;
inline constexpr int kGoToLast = -1;

// Units of selection movement.
inline constexpr int kUnitCharacter = 1;
inline constexpr int kUnitParagraph = 4;
inline constexpr int kUnitLine = 5;
inline constexpr int kUnitStory = 6;

// Movement modes of StartOf/EndOf/HomeKey/EndKey.
inline constexpr int kMove = 0;
inline constexpr int kExtend = 1;

// Collapse directions.
inline constexpr int kCollapseEnd = 0;
inline constexpr int kCollapseStart = 1;

// Selection information codes.
inline constexpr int kInfoActiveEndPageNumber = 3;  // page of the selection's end, -1 when unknown
inline constexpr int kInfoHorizontalPosition = 5;   // points from the page's left edge
inline constexpr int kInfoVerticalPosition = 6;     // points from the page's top edge
inline constexpr int kInfoWithInTable = 12;         // kInfoTrue or kInfoFalse
// A boolean information answer, as the automation interface gives it (true is -1).
inline constexpr int kInfoTrue = -1;
inline constexpr int kInfoFalse = 0;

// Field types.
inline constexpr int kFieldRef = 3;
inline constexpr int kFieldToc = 13;
inline constexpr int kFieldPageRef = 37;
inline constexpr int kFieldNoteRef = 72;
inline constexpr int kFieldHyperlink = 88;

// What a hyperlink is attached to.
inline constexpr int kHyperlinkRange = 0;
inline constexpr int kHyperlinkShape = 1;
inline constexpr int kHyperlinkInlineShape = 2;

// Shape types.
inline constexpr int kShapeTextBox = 17;

// Special shape positions (the integer part of Left/Top).
inline constexpr int kShapeCenter = -999995;
inline constexpr int kShapeLeft = -999998;
inline constexpr int kShapeRight = -999996;
inline constexpr int kShapeTop = -999999;
inline constexpr int kShapeBottom = -999997;
inline constexpr int kShapeLeftUnset = 499999;
// What a shape's Left/Top is measured from.
inline constexpr int kRelativeMargin = 0;
inline constexpr int kRelativePage = 1;
inline constexpr int kRelativeColumn = 2;     // horizontal
inline constexpr int kRelativeParagraph = 2;  // vertical

// Stories a range can lie in (the main text and the stories of their own).
inline constexpr int kMainTextStory = 1;
inline constexpr int kFootnotesStory = 2;
inline constexpr int kEndnotesStory = 3;
inline constexpr int kTextFrameStory = 5;
inline constexpr int kEvenPagesHeaderStory = 6;
inline constexpr int kPrimaryHeaderStory = 7;
inline constexpr int kEvenPagesFooterStory = 8;
inline constexpr int kPrimaryFooterStory = 9;
inline constexpr int kFirstPageHeaderStory = 10;
inline constexpr int kFirstPageFooterStory = 11;

// Header/footer indexes within a section.
inline constexpr int kHeaderFooterPrimary = 1;
inline constexpr int kHeaderFooterFirstPage = 2;
inline constexpr int kHeaderFooterEvenPages = 3;

// Page orientations.
inline constexpr int kPortrait = 0;
inline constexpr int kLandscape = 1;
// A page-setup value that differs between the parts of the target (mixed).
inline constexpr int kUndefined = 9999999;

// View types and seek views.
inline constexpr int kViewPrintLayout = 3;
inline constexpr int kSeekMainDocument = 0;
inline constexpr int kSeekPrimaryHeader = 1;

// Save formats.
inline constexpr int kFormatFilteredHtml = 10;

// Built-in heading styles: style index -2 is Heading 1 ... -7 is Heading 6.
inline constexpr int kStyleHeading1 = -2;
inline constexpr int heading_style_index(int level) {
    return -1 - level;
}

// Outline level of body text (paragraph formats); headings have 1 to 9.
inline constexpr int kOutlineBodyText = 10;

}  // namespace vane::word
