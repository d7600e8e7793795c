// Linear character positions over a document's main text. The office has no
// such positions, so the map lists every paragraph of the body in document
// order (table cells included, cell by cell) with the position it starts at:
// one position per character, one per paragraph end. A range of the office
// maps to a position by finding its paragraph (comparing starts) and counting
// the characters before it inside the paragraph; a position maps back with a
// cursor moved right from its paragraph's start. A field, a footnote anchor
// or a character-anchored frame counts as one character, as the office's
// cursors count them.
#pragma once

#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "word/StoryParagraphs.h"

namespace vane {

// A cursor as the text range it is.
inline css::uno::Reference<css::text::XTextRange> as_range(
    const css::uno::Reference<css::text::XTextCursor>& cursor) {
    return css::uno::Reference<css::text::XTextRange>(cursor.get());
}

class ParagraphMap {
public:
    struct Portion {
        css::uno::Reference<css::text::XTextRange> range;
        int offset = 0;  // characters of the paragraph before it
        int length = 0;
        bool text = false;  // plain text: counted by its string
    };
    struct Entry {
        css::uno::Reference<css::text::XTextRange> paragraph;
        int textIndex = 0;  // into texts()
        int start = 0;
        int length = 0;        // characters, the paragraph end not included
        bool complex = false;  // holds fields, notes or frames: count portions
        std::optional<int> outlineLevel;
        std::optional<std::vector<Portion>> portions;
        int end() const { return start + length + 1; }  // after the paragraph end
    };
    struct Text {
        std::string key;  // "" for the body, else "<table>/<cell>"
        css::uno::Reference<css::text::XText> text;
        css::uno::Reference<css::text::XTextRangeCompare> compare;
    };

    explicit ParagraphMap(const css::uno::Reference<css::text::XTextDocument>& document);
    // The same over a text of its own (a footnote, header, footer or text box).
    explicit ParagraphMap(const css::uno::Reference<css::text::XText>& story);

    const std::vector<Entry>& entries() const { return entries_; }
    // The paragraphs as positions only, for the selection rules.
    const word::StoryParagraphs& paragraphs() const { return paragraphs_; }
    const std::vector<Text>& texts() const { return texts_; }
    // Whether the lengths came from the whole text in one call.
    bool measuredInOneCall() const { return plain_; }
    // One past the last position (after the last paragraph end).
    int storyEnd() const { return entries_.empty() ? 0 : entries_.back().end(); }

    // Index of the paragraph holding `position` (clamped to the story).
    int entryAt(int position) const;
    // The position of a range's start (its end when `atEnd`); throws
    // std::runtime_error for ranges outside the main text.
    int positionOf(const css::uno::Reference<css::text::XTextRange>& range, bool atEnd = false);
    // The same, nothing for ranges outside the main text (notes, frames, headers).
    std::optional<int> findPosition(const css::uno::Reference<css::text::XTextRange>& range,
                                    bool atEnd = false);
    // The position of `to`, counted on from `from` (the position of
    // `fromRange`) by the length of the text between them; nothing where
    // that text is not one character per position (tables, line breaks,
    // fields, notes, frames) or the ranges are not in the body.
    std::optional<int> advance(int from, const css::uno::Reference<css::text::XTextRange>& fromRange,
                               const css::uno::Reference<css::text::XTextRange>& to);
    // A collapsed cursor at `position` (clamped to the story).
    css::uno::Reference<css::text::XTextCursor> cursorAt(int position);
    // A cursor selecting [start, end) inside one paragraph (end clamped to it).
    css::uno::Reference<css::text::XTextCursor> cursorOver(int start, int end);
    // A cursor selecting [start, end), across paragraphs of one text; cut at
    // the end of start's paragraph when end lies in another text.
    css::uno::Reference<css::text::XTextCursor> span(int start, int end);
    // The outline level of a paragraph (0: body text).
    int outlineLevel(int index);
    // The portions of a paragraph with their offsets, as positions count them.
    const std::vector<Portion>& paragraphPortions(int index) { return portions(index); }

private:
    void walk(const css::uno::Reference<css::text::XText>& text, const std::string& key);
    // Reads the length of every paragraph.
    void measure();
    void markComplex(const css::uno::Reference<css::text::XTextRange>& anchor);
    // The text holding a point; -1 in a table that is not part of this text.
    int textIndexOf(const css::uno::Reference<css::text::XTextRange>& point);
    int entryOf(int textIndex, const css::uno::Reference<css::text::XTextRange>& point);
    int offsetInParagraph(int index, const css::uno::Reference<css::text::XTextRange>& point);
    const std::vector<Portion>& portions(int index);
    // Fills paragraphs_ once every entry has its start and length.
    void listParagraphs();

    std::vector<Entry> entries_;
    word::StoryParagraphs paragraphs_;
    std::vector<Text> texts_;
    std::vector<std::vector<int>> textEntries_;  // entries of each text, in order
    std::vector<std::size_t> hints_;             // per text: where the last lookup ended
    std::unordered_map<std::string, int> textOfKey_;  // texts by key
    std::unordered_set<std::string> tables_;          // names of the tables walked
    bool plain_ = false;                         // one text, its string one character per position
};

}  // namespace vane
