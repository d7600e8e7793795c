#include "word/office/OfficeFields.h"

#include <algorithm>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/ReferenceFieldPart.hpp>
#include <com/sun/star/text/ReferenceFieldSource.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XDocumentIndexesSupplier.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextField.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/FieldCodeRange.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/OfficeField.h"
#include "word/office/OfficeRange.h"
#include "word/office/TocBookmarks.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

constexpr int kFieldPage = 33;
constexpr int kFieldOther = -1;

bool is_service(const Reference<css::uno::XInterface>& object, const char* name) {
    const Reference<css::lang::XServiceInfo> info(object, UNO_QUERY);
    return info.is() && info->supportsService(rtl::OUString::createFromAscii(name));
}

// The bookmark that starts at the reference mark of the note whose reference
// id is `id`: a note reference names the note, where the word processor's
// code names such a bookmark. Empty when no bookmark starts there.
std::string note_bookmark(DocumentSession& document, bool endnote, sal_Int16 id) {
    Reference<css::container::XIndexAccess> notes;
    if (endnote) {
        const Reference<css::text::XEndnotesSupplier> supplier(document.document(), UNO_QUERY);
        if (supplier.is()) notes = supplier->getEndnotes();
    } else {
        const Reference<css::text::XFootnotesSupplier> supplier(document.document(), UNO_QUERY);
        if (supplier.is()) notes = supplier->getFootnotes();
    }
    const Reference<css::text::XBookmarksSupplier> marks(document.document(), UNO_QUERY);
    if (!notes.is() || !marks.is()) return {};
    ParagraphMap& map = document.map();
    std::optional<int> at;
    for (sal_Int32 i = 0; i < notes->getCount() && !at; ++i) {
        const Reference<css::text::XTextContent> note(notes->getByIndex(i), UNO_QUERY);
        if (note.is() && prop<sal_Int16>(props(note), "ReferenceId", -1) == id)
            at = map.findPosition(note->getAnchor());
    }
    if (!at) return {};
    const auto bookmarks = marks->getBookmarks();
    for (const auto& name : bookmarks->getElementNames()) {
        const Reference<css::text::XTextContent> bookmark(bookmarks->getByName(name), UNO_QUERY);
        if (bookmark.is() && map.findPosition(bookmark->getAnchor()) == at) return utf8(name);
    }
    return {};
}

// A reference field as the word processor writes its code.
FieldInfo reference_field(DocumentSession& document, const Reference<css::beans::XPropertySet>& set) {
    FieldInfo field;
    const auto part = prop<sal_Int16>(set, "ReferenceFieldPart");
    const auto source = prop<sal_Int16>(set, "ReferenceFieldSource");
    std::string name = prop_text(set, "SourceName");
    if (source == css::text::ReferenceFieldSource::FOOTNOTE ||
        source == css::text::ReferenceFieldSource::ENDNOTE) {
        if (name.empty()) {
            name = note_bookmark(document, source == css::text::ReferenceFieldSource::ENDNOTE,
                                 prop<sal_Int16>(set, "SequenceNumber", -1));
        }
        field.type = word::kFieldNoteRef;
        field.code = " NOTEREF " + name + " \\h ";
    } else if (part == css::text::ReferenceFieldPart::PAGE) {
        field.type = word::kFieldPageRef;
        field.code = " PAGEREF " + name + " \\h ";
    } else {
        field.type = word::kFieldRef;
        field.code = " REF " + name + " \\h ";
    }
    return field;
}

// The text fields of the main text, or of `story` when given.
void read_text_fields(DocumentSession& document, OfficeStory* story, std::vector<FieldInfo>& out) {
    const Reference<css::text::XTextFieldsSupplier> supplier(document.document(), UNO_QUERY);
    if (!supplier.is()) return;
    ParagraphMap& map = story != nullptr ? story->map() : document.map();
    const auto items = supplier->getTextFields()->createEnumeration();
    while (items->hasMoreElements()) {
        const Reference<css::text::XTextField> item(items->nextElement(), UNO_QUERY);
        if (!item.is()) continue;
        const auto anchor = item->getAnchor();
        std::optional<int> position;
        try {
            if (anchor.is() && (story == nullptr || anchor->getText() == story->text())) {
                position = map.findPosition(anchor);
            }
        } catch (const std::exception&) {
        } catch (const css::uno::Exception&) {
        }
        if (!position) continue;  // in another story
        FieldInfo field;
        if (is_service(item, "com.sun.star.text.textfield.GetReference")) {
            field = reference_field(document, props(item));
        } else if (is_service(item, "com.sun.star.text.textfield.PageNumber")) {
            field.type = kFieldPage;
            field.code = " PAGE ";
        } else {
            field.type = kFieldOther;
            field.code = " " + utf8(item->getPresentation(true)) + " ";
        }
        field.start = *position;
        field.end = *position + 1;
        field.rank = 2;
        out.push_back(field);
    }
}

// The entries of one table of contents between two main-text positions; of
// a table of figures when `figures` is set (`category`: its caption label,
// empty for one gathered from a paragraph style).
void read_toc(DocumentSession& document, const Reference<css::beans::XPropertySet>& index, int start, int end,
              bool figures, const std::string& category, TocNameCounts& counts, TocBookmarks& names,
              std::vector<FieldInfo>& out) {
    ParagraphMap& map = document.map();
    std::vector<FieldInfo> entries;
    bool anyLink = false;
    for (int i = map.entryAt(start); i < static_cast<int>(map.entries().size()); ++i) {
        const auto& entry = map.entries()[static_cast<std::size_t>(i)];
        if (entry.start >= end) break;
        const std::string text = utf8(entry.paragraph->getString());
        const auto tab = text.rfind('\t');
        if (tab == std::string::npos) continue;  // a title, or an entry without page number
        std::string number = text.substr(tab + 1);
        while (!number.empty() && static_cast<unsigned char>(number.back()) <= ' ') number.pop_back();
        if (number.empty()) continue;
        const std::string title = text.substr(0, text.find('\t'));
        std::string target;
        const auto links = scan_links(map, i, i + 1);
        for (const FoundLink& link : links) {
            if (link.address.empty() && !link.subAddress.empty()) {
                target = link.subAddress;
                break;
            }
        }
        const std::string name = names.nameFor(target, title);
        if (name.empty()) continue;
        if (sequence_target(target)) ++counts.figures;
        const int textEnd = entry.start + entry.length;
        const int numberStart = textEnd - static_cast<int>(ou(text.substr(tab + 1)).getLength());
        if (!links.empty()) {
            anyLink = true;
            entries.push_back(
                {word::kFieldHyperlink, " HYPERLINK \\l \"" + name + "\" ", entry.start, textEnd, 1});
        }
        const int numberEnd = numberStart + static_cast<int>(ou(number).getLength());
        entries.push_back({word::kFieldPageRef, " PAGEREF " + name + " \\h ", numberStart, numberEnd, 2});
    }
    std::string code;
    if (figures) {
        code = " TOC ";
        if (anyLink) code += "\\h ";
        code += "\\z \\c \"" + category + "\" ";
    } else {
        const int level = std::max<int>(1, prop<sal_Int16>(index, "Level", 3));
        code = " TOC \\o \"1-" + std::to_string(level) + "\" ";
        if (anyLink) code += "\\h ";
        code += "\\z \\u ";
    }
    out.push_back({word::kFieldToc, code, start, end, 0});
    out.insert(out.end(), entries.begin(), entries.end());
}

}  // namespace

std::vector<FieldInfo> read_fields(DocumentSession& document, TocNameCounts* counts) {
    std::vector<FieldInfo> fields;
    read_text_fields(document, nullptr, fields);
    TocBookmarks names(document);
    TocNameCounts found;
    const Reference<css::text::XDocumentIndexesSupplier> indexes(document.document(), UNO_QUERY);
    if (indexes.is()) {
        ParagraphMap& map = document.map();
        const auto list = indexes->getDocumentIndexes();
        for (sal_Int32 i = 0; i < list->getCount(); ++i) {
            const Reference<css::text::XTextContent> index(list->getByIndex(i), UNO_QUERY);
            if (!index.is()) continue;
            const bool contents = is_service(index, "com.sun.star.text.ContentIndex");
            // A table of figures (or of tables) lists the captions of one label.
            const bool figures = !contents && (is_service(index, "com.sun.star.text.IllustrationsIndex") ||
                                               is_service(index, "com.sun.star.text.TableIndex"));
            if (!contents && !figures) continue;
            // A table of figures names its captions' label; one gathered from a
            // paragraph style names none and keeps the entries it was saved with.
            const std::string category = figures ? prop_text(props(index), "LabelCategory") : std::string();
            const auto anchor = index->getAnchor();
            const auto start = map.findPosition(anchor);
            const auto end = map.findPosition(anchor, true);
            if (!start || !end) continue;
            read_toc(document, props(index), *start, *end, figures, category, found, names, fields);
        }
    }
    std::stable_sort(fields.begin(), fields.end(), [](const FieldInfo& a, const FieldInfo& b) {
        return a.start != b.start ? a.start < b.start : a.rank < b.rank;
    });
    if (counts != nullptr) *counts = {names.recovered, names.created, names.lost, found.figures};
    return fields;
}

OfficeFields::OfficeFields(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
    : session_(std::move(session)), document_(std::move(document)) {
    fields_ = std::make_shared<std::vector<FieldInfo>>(uno_call("Fields", [&] {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        TocNameCounts names;
        auto fields = read_fields(*document_, &names);
        document_->tocEntrySpans.clear();
        for (const FieldInfo& field : fields) {
            if (field.type == word::kFieldHyperlink && field.rank == 1)
                document_->tocEntrySpans.emplace_back(field.start, field.end);
        }
        recoveredNames = names.recovered;
        createdNames = names.created;
        lostNames = names.lost;
        figureNames = names.figures;
        return fields;
    }));
}

OfficeFields::OfficeFields(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                           std::shared_ptr<OfficeStory> story, int start, int end)
    : session_(std::move(session)), document_(std::move(document)), story_(std::move(story)) {
    fields_ = std::make_shared<std::vector<FieldInfo>>(uno_call("Range.Fields", [&] {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        std::vector<FieldInfo> all;
        if (story_ == nullptr) {
            all = read_fields(*document_);
        } else if (!story_->empty()) {
            read_text_fields(*document_, story_.get(), all);
            std::stable_sort(all.begin(), all.end(),
                             [](const FieldInfo& a, const FieldInfo& b) { return a.start < b.start; });
        }
        std::vector<FieldInfo> inside;
        for (const FieldInfo& field : all) {
            if (field.start >= start && field.end <= end) inside.push_back(field);
        }
        return inside;
    }));
}

std::unique_ptr<word::Field> OfficeFields::item(int index) {
    if (index < 1 || index > count()) throw word::WordError("Fields: the requested member does not exist");
    return std::make_unique<OfficeField>(session_, document_, fields_, static_cast<std::size_t>(index - 1),
                                         story_);
}

std::unique_ptr<word::Range> OfficeField::code() {
    return std::make_unique<FieldCodeRange>(info().code);
}

std::unique_ptr<word::Field> OfficeField::next() {
    if (index_ + 1 >= fields_->size()) return nullptr;
    return std::make_unique<OfficeField>(session_, document_, fields_, index_ + 1, story_);
}

void OfficeField::select() {
    if (story_ != nullptr) {
        OfficeRange(session_, document_, story_, info().start, info().end).select();
        return;
    }
    uno_call("Field.Select", [&] {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        document_->select(info().start, info().end);
        session_->active = document_;
    });
}

}  // namespace vane
