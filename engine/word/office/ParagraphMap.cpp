#include "word/office/ParagraphMap.h"

#include <algorithm>
#include <com/sun/star/container/NoSuchElementException.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/XDocumentIndexMark.hpp>
#include <com/sun/star/text/XDocumentIndexesSupplier.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>
#include <stdexcept>

#include "word/office/TableCells.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
namespace text = css::text;

namespace {

// The office moves cursors by at most a 16-bit count at a time.
void go_right(const Reference<text::XTextCursor>& cursor, int count, bool extend) {
    while (count > 0) {
        const int step = std::min(count, 30000);
        cursor->goRight(static_cast<sal_Int16>(step), extend);
        count -= step;
    }
}

}  // namespace

ParagraphMap::ParagraphMap(const Reference<text::XTextDocument>& document) {
    walk(document->getText(), "");
    measure();

    // Paragraphs whose string is not their character count.
    auto markAll = [this](const Reference<css::container::XEnumeration>& items) {
        while (items->hasMoreElements()) {
            const Reference<text::XTextContent> content(items->nextElement(), UNO_QUERY);
            if (content.is()) markComplex(content->getAnchor());
        }
    };
    const Reference<text::XTextFieldsSupplier> fields(document, UNO_QUERY);
    if (fields.is()) markAll(fields->getTextFields()->createEnumeration());
    auto markNotes = [this](const Reference<css::container::XIndexAccess>& notes) {
        for (sal_Int32 i = 0; notes.is() && i < notes->getCount(); ++i) {
            const Reference<text::XTextContent> note(notes->getByIndex(i), UNO_QUERY);
            if (note.is()) markComplex(note->getAnchor());
        }
    };
    const Reference<text::XFootnotesSupplier> footnotes(document, UNO_QUERY);
    if (footnotes.is()) markNotes(footnotes->getFootnotes());
    const Reference<text::XEndnotesSupplier> endnotes(document, UNO_QUERY);
    if (endnotes.is()) markNotes(endnotes->getEndnotes());

    // Index marks at a point (a table-of-contents entry field, as imported):
    // one character to a cursor, none in the paragraph's string.
    const Reference<text::XDocumentIndexesSupplier> indexes(document, UNO_QUERY);
    const auto indexList = indexes.is() ? indexes->getDocumentIndexes() : nullptr;
    for (sal_Int32 i = 0; indexList.is() && i < indexList->getCount(); ++i) {
        // Only some kinds of index have marks (not tables of figures).
        const Reference<css::beans::XPropertySet> index(indexList->getByIndex(i), UNO_QUERY);
        if (!index.is() || !index->getPropertySetInfo()->hasPropertyByName("DocumentIndexMarks")) continue;
        css::uno::Sequence<Reference<text::XDocumentIndexMark>> marks;
        if (!(index->getPropertyValue("DocumentIndexMarks") >>= marks)) continue;
        for (const auto& mark : marks) {
            if (mark.is()) markComplex(mark->getAnchor());
        }
    }

    // Pictures, frames and shapes anchored as a character.
    const Reference<css::drawing::XDrawPageSupplier> drawPage(document, UNO_QUERY);
    if (drawPage.is()) {
        // Writer offers no other way to its draw page.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        const auto shapes = drawPage->getDrawPage();
#pragma GCC diagnostic pop
        for (sal_Int32 i = 0; i < shapes->getCount(); ++i) {
            const Reference<css::beans::XPropertySet> shape(shapes->getByIndex(i), UNO_QUERY);
            const Reference<text::XTextContent> content(shape, UNO_QUERY);
            if (!shape.is() || !content.is()) continue;
            text::TextContentAnchorType anchor = text::TextContentAnchorType_AT_PARAGRAPH;
            shape->getPropertyValue("AnchorType") >>= anchor;
            if (anchor == text::TextContentAnchorType_AS_CHARACTER) markComplex(content->getAnchor());
        }
    }

    int position = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        if (entry.complex) {
            const auto& list = portions(static_cast<int>(i));
            entry.length = list.empty() ? 0 : list.back().offset + list.back().length;
        }
        entry.start = position;
        position = entry.end();
    }
    listParagraphs();
}

ParagraphMap::ParagraphMap(const Reference<text::XText>& story) {
    walk(story, "");
    // Small texts, often holding fields (page numbers): count every paragraph by portions.
    int position = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        entry.complex = true;
        const auto& list = portions(static_cast<int>(i));
        entry.length = list.empty() ? 0 : list.back().offset + list.back().length;
        entry.start = position;
        position = entry.end();
    }
    listParagraphs();
}

void ParagraphMap::listParagraphs() {
    for (const Entry& entry : entries_) paragraphs_.add(entry.start, entry.length);
}

void ParagraphMap::walk(const Reference<text::XText>& body, const std::string& key) {
    const int textIndex = static_cast<int>(texts_.size());
    texts_.push_back({key, body, Reference<text::XTextRangeCompare>(body, UNO_QUERY_THROW)});
    textOfKey_.emplace(key, textIndex);
    textEntries_.emplace_back();
    hints_.push_back(0);
    const Reference<css::container::XEnumerationAccess> access(body, UNO_QUERY_THROW);
    const auto items = access->createEnumeration();
    // Every call is a round trip to the office: the end of the list is
    // learnt from the exception rather than by asking before each element,
    // and an element is asked for its table side only when it is no range.
    for (;;) {
        css::uno::Any item;
        try {
            item = items->nextElement();
        } catch (const css::container::NoSuchElementException&) {
            break;
        }
        const Reference<text::XTextRange> paragraph(item, UNO_QUERY);
        if (!paragraph.is()) {
            const Reference<text::XTextTable> table(item, UNO_QUERY);
            if (!table.is()) continue;
            const std::string name =
                utf8(Reference<css::container::XNamed>(table, UNO_QUERY_THROW)->getName());
            tables_.insert(name);
            for (const std::string& cell : TableCells::of(table)) {
                const Reference<text::XText> cellText(table->getCellByName(ou(cell)), UNO_QUERY);
                if (cellText.is()) walk(cellText, name + "/" + cell);
            }
            continue;
        }
        Entry entry;
        entry.paragraph = paragraph;
        entry.textIndex = textIndex;
        textEntries_[textIndex].push_back(static_cast<int>(entries_.size()));
        entries_.push_back(std::move(entry));
    }
}

void ParagraphMap::measure() {
    // The whole text in one call, split at its paragraph ends, when that is
    // unambiguous: one text without tables, and no line break inside a
    // paragraph (both are a line feed in the office's text).
    bool split = texts_.size() == 1 && !entries_.empty();
    std::vector<int> lengths;
    if (split) {
        const rtl::OUString all = texts_.front().text->getString();
        int from = 0;
        for (int i = 0; i < all.getLength(); ++i) {
            if (all[i] != '\n') continue;
            lengths.push_back(i - from);
            from = i + 1;
        }
        lengths.push_back(all.getLength() - from);
        split = lengths.size() == entries_.size();
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].length = split ? lengths[i] : entries_[i].paragraph->getString().getLength();
    }
    plain_ = split;
}

std::optional<int> ParagraphMap::advance(int from, const Reference<text::XTextRange>& fromRange,
                                         const Reference<text::XTextRange>& to) {
    if (!plain_ || from < 0 || from >= storyEnd()) return std::nullopt;
    try {
        const auto cursor = texts_.front().text->createTextCursorByRange(fromRange);
        cursor->gotoRange(to, true);
        const int target = from + cursor->getString().getLength();
        if (target >= storyEnd()) return std::nullopt;
        // Paragraph ends count one each, as in the string; a field, a note
        // or a frame is one position but shows as its text.
        for (int i = entryAt(from); i <= entryAt(target); ++i) {
            if (entries_[static_cast<std::size_t>(i)].complex) return std::nullopt;
        }
        return target;
    } catch (const css::uno::RuntimeException&) {
        return std::nullopt;  // not in the body (a frame, a note)
    }
}

void ParagraphMap::markComplex(const Reference<text::XTextRange>& anchor) {
    if (!anchor.is()) return;
    try {
        const int textIndex = textIndexOf(anchor);
        if (textIndex < 0) return;
        entries_[entryOf(textIndex, anchor)].complex = true;
    } catch (const css::uno::Exception&) {
        // outside the main text (headers, footers, notes)
    } catch (const std::runtime_error&) {
    }
}

int ParagraphMap::textIndexOf(const Reference<text::XTextRange>& point) {
    const Reference<css::beans::XPropertySet> set(point, UNO_QUERY);
    if (set.is()) {
        const Reference<css::beans::XPropertySet> cell(set->getPropertyValue("Cell"), UNO_QUERY);
        const Reference<css::container::XNamed> table(set->getPropertyValue("TextTable"), UNO_QUERY);
        if (cell.is() && table.is()) {
            const std::string name = utf8(table->getName());
            const std::string cellName = prop_text(cell, "CellName");
            const auto found = textOfKey_.find(name + "/" + cellName);
            if (found != textOfKey_.end()) return found->second;
            // A table of a header, footer or text box is no part of this text.
            if (tables_.count(name) == 0) return -1;
            throw std::runtime_error("range in an unknown table cell (" + name + " " + cellName + ")");
        }
    }
    return 0;
}

int ParagraphMap::entryOf(int textIndex, const Reference<text::XTextRange>& point) {
    const auto& list = textEntries_.at(static_cast<std::size_t>(textIndex));
    if (list.empty()) throw std::runtime_error("empty text");
    const auto& compare = texts_[static_cast<std::size_t>(textIndex)].compare;
    auto startsAtOrBefore = [&](std::size_t k) {
        return compare->compareRegionStarts(entries_[static_cast<std::size_t>(list[k])].paragraph, point) >=
               0;
    };
    // Last paragraph starting at or before the point. Lookups mostly move a
    // little forward from the last one (page after page, link after link):
    // the bounds are widened from there before they are halved.
    std::size_t low = 0;
    std::size_t high = list.size();
    std::size_t& hint = hints_.at(static_cast<std::size_t>(textIndex));
    if (hint > 0 && hint < list.size()) {
        if (startsAtOrBefore(hint)) {
            low = hint;
            for (std::size_t step = 1;; step *= 2) {
                const std::size_t next = hint + step;
                if (next >= list.size()) break;
                if (!startsAtOrBefore(next)) {
                    high = next;
                    break;
                }
                low = next;
            }
        } else {
            high = hint;
            for (std::size_t step = 1; step <= hint; step *= 2) {
                const std::size_t next = hint - step;
                if (startsAtOrBefore(next)) {
                    low = next;
                    break;
                }
                high = next;
            }
        }
    }
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        if (startsAtOrBefore(middle)) {
            low = middle;
        } else {
            high = middle;
        }
    }
    hint = low;
    return list[low];
}

const std::vector<ParagraphMap::Portion>& ParagraphMap::portions(int index) {
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (entry.portions) return *entry.portions;
    std::vector<Portion> list;
    const Reference<css::container::XEnumerationAccess> access(entry.paragraph, UNO_QUERY_THROW);
    const auto items = access->createEnumeration();
    int offset = 0;
    while (items->hasMoreElements()) {
        const Reference<text::XTextRange> range(items->nextElement(), UNO_QUERY);
        if (!range.is()) continue;
        const auto set = props(range);
        const std::string type = prop_text(set, "TextPortionType");
        Portion portion;
        portion.range = range;
        portion.offset = offset;
        if (type == "Text") {
            portion.text = true;
            portion.length = range->getString().getLength();
        } else if (type == "DocumentIndexMark" && prop<bool>(set, "IsCollapsed")) {
            portion.length = 1;  // a mark at a point holds a character of its own
        } else if (!prop<bool>(set, "IsCollapsed") && type != "Bookmark" && type != "ReferenceMark" &&
                   type != "DocumentIndexMark" && type != "Redline" && type != "SoftPageBreak") {
            // Marks take no character even where they open a stretch.
            portion.length = 1;
        }
        offset += portion.length;
        list.push_back(std::move(portion));
    }
    entry.portions = std::move(list);
    return *entry.portions;
}

int ParagraphMap::offsetInParagraph(int index, const Reference<text::XTextRange>& point) {
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    const Text& owner = texts_[static_cast<std::size_t>(entry.textIndex)];
    if (!entry.complex) {
        try {
            const auto cursor = owner.text->createTextCursorByRange(entry.paragraph->getStart());
            cursor->gotoRange(point, true);
            return std::min(entry.length, cursor->getString().getLength());
        } catch (const css::uno::RuntimeException&) {
            // The point sits inside something a cursor cannot select into
            // (content controls, metadata): count by portions instead.
        }
    }
    const auto& list = portions(index);
    const Portion* hit = nullptr;
    for (const Portion& portion : list) {
        if (owner.compare->compareRegionStarts(portion.range, point) < 0) break;
        hit = &portion;
    }
    if (hit == nullptr) return 0;
    if (!hit->text) return hit->offset;
    try {
        const auto cursor = owner.text->createTextCursorByRange(hit->range->getStart());
        cursor->gotoRange(point, true);
        return std::min(entry.length, hit->offset + std::min(hit->length, cursor->getString().getLength()));
    } catch (const css::uno::RuntimeException&) {
        return hit->offset;
    }
}

std::optional<int> ParagraphMap::findPosition(const Reference<text::XTextRange>& range, bool atEnd) {
    const Reference<text::XTextRange> point = atEnd ? range->getEnd() : range->getStart();
    // The office refuses to compare ranges of different texts; a text of one
    // paragraph is only compared when counting inside it, so every step may
    // be the one that finds the range elsewhere (the view cursor gone down
    // from a footnote's last line into the next note or the body).
    // The body compares the ranges of its table cells too (by where their
    // paragraphs lie), so with tables the cell is looked up first.
    try {
        int index = 0;
        const int cell = texts_.size() > 1 ? textIndexOf(point) : 0;
        if (cell < 0) return std::nullopt;
        try {
            index = entryOf(cell, point);
        } catch (const css::lang::IllegalArgumentException&) {
            const int textIndex = cell == 0 ? textIndexOf(point) : 0;
            if (textIndex <= 0) return std::nullopt;
            index = entryOf(textIndex, point);
        }
        return entries_[static_cast<std::size_t>(index)].start + offsetInParagraph(index, point);
    } catch (const css::lang::IllegalArgumentException&) {
        return std::nullopt;
    }
}

int ParagraphMap::positionOf(const Reference<text::XTextRange>& range, bool atEnd) {
    const auto position = findPosition(range, atEnd);
    if (!position) throw std::runtime_error("the range is not in the main text");
    return *position;
}

int ParagraphMap::entryAt(int position) const {
    if (entries_.empty()) throw std::runtime_error("document without text");
    return paragraphs_.indexAt(position);
}

Reference<text::XTextCursor> ParagraphMap::cursorAt(int position) {
    position = std::clamp(position, 0, std::max(0, storyEnd() - 1));
    const int index = entryAt(position);
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    const auto cursor = texts_[static_cast<std::size_t>(entry.textIndex)].text->createTextCursorByRange(
        entry.paragraph->getStart());
    go_right(cursor, std::min(position - entry.start, entry.length), false);
    return cursor;
}

Reference<text::XTextCursor> ParagraphMap::cursorOver(int start, int end) {
    const auto cursor = cursorAt(start);
    const Entry& entry = entries_[static_cast<std::size_t>(entryAt(start))];
    const int stop = std::min(end, entry.start + entry.length);
    if (stop > start) go_right(cursor, stop - std::max(start, entry.start), true);
    return cursor;
}

Reference<text::XTextCursor> ParagraphMap::span(int start, int end) {
    const int first = entryAt(start);
    const int last = entryAt(std::max(start, end - 1));
    const Entry& a = entries_[static_cast<std::size_t>(first)];
    const Entry& b = entries_[static_cast<std::size_t>(last)];
    if (first == last || a.textIndex != b.textIndex) return cursorOver(start, end);
    const auto cursor = cursorAt(start);
    cursor->gotoRange(as_range(cursorAt(std::min(end, b.start + b.length))), true);
    return cursor;
}

int ParagraphMap::outlineLevel(int index) {
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (!entry.outlineLevel) entry.outlineLevel = prop<sal_Int16>(props(entry.paragraph), "OutlineLevel");
    return *entry.outlineLevel;
}

}  // namespace vane
