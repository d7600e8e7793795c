#include "word/office/TocBookmarks.h"

#include <algorithm>
#include <cctype>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/SetVariableType.hpp>
#include <com/sun/star/text/XTextField.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>

#include "word/BookmarkNames.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

std::string trimmed(const std::string& text) {
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && static_cast<unsigned char>(text[from]) <= ' ') ++from;
    while (to > from && static_cast<unsigned char>(text[to - 1]) <= ' ') --to;
    return text.substr(from, to - from);
}

}  // namespace

TocBookmarks::TocBookmarks(DocumentSession& document) : document_(document) {
    const Reference<css::text::XBookmarksSupplier> supplier(document.document(), UNO_QUERY);
    if (!supplier.is()) return;
    bookmarks_ = supplier->getBookmarks();
    ParagraphMap& map = document.map();
    for (const auto& name : bookmarks_->getElementNames()) {
        const Reference<css::text::XTextContent> bookmark(bookmarks_->getByName(name), UNO_QUERY);
        if (!bookmark.is()) continue;
        const auto position = map.findPosition(bookmark->getAnchor());
        if (!position) continue;
        const int paragraph = map.entryAt(*position);
        const std::string text = utf8(name);
        paragraphOf_[text] = paragraph;
        if (is_toc_bookmark(text)) tocByParagraph_.emplace(paragraph, text);
    }
}

std::string TocBookmarks::tocOfParagraph(int paragraph) const {
    const auto found = tocByParagraph_.find(paragraph);
    return found == tocByParagraph_.end() ? std::string() : found->second;
}

Reference<css::text::XTextContent> TocBookmarks::hidden(const std::string& name) const {
    if (!bookmarks_.is() || name.empty()) return {};
    for (const std::string& candidate : {name, "__RefHeading__" + name}) {
        if (!bookmarks_->hasByName(ou(candidate))) continue;
        const Reference<css::text::XTextContent> bookmark(bookmarks_->getByName(ou(candidate)), UNO_QUERY);
        if (bookmark.is()) return bookmark;
    }
    return {};
}

std::optional<int> TocBookmarks::paragraphOfName(const std::string& name) {
    const auto listed = paragraphOf_.find(name);
    if (listed != paragraphOf_.end()) return listed->second;
    const auto bookmark = hidden(name);
    if (!bookmark.is()) return std::nullopt;
    const auto position = document_.map().findPosition(bookmark->getAnchor());
    if (!position) return std::nullopt;
    return document_.map().entryAt(*position);
}

std::string TocBookmarks::addBookmark(const std::string& name, int paragraph) {
    const auto target = hidden(name);
    if (!target.is()) return {};
    return markText(name, paragraph, target->getAnchor());
}

std::string TocBookmarks::markText(const std::string& name, int paragraph,
                                   const Reference<css::text::XTextRange>& anchor) {
    const Reference<css::lang::XMultiServiceFactory> factory(document_.document(), UNO_QUERY);
    if (!anchor.is() || !factory.is()) return {};
    const Reference<css::text::XTextContent> bookmark(factory->createInstance("com.sun.star.text.Bookmark"),
                                                      UNO_QUERY);
    const Reference<css::container::XNamed> named(bookmark, UNO_QUERY);
    if (!bookmark.is() || !named.is()) return {};
    named->setName(ou(name));
    // Over the heading's text, as the word processor marks a heading (the
    // office's own mark may be a point at its start); a bookmark spans the
    // range it is put on, the text stays.
    const auto cursor = anchor->getText()->createTextCursorByRange(anchor);
    const Reference<css::text::XParagraphCursor> paragraphCursor(cursor, UNO_QUERY);
    if (cursor->isCollapsed() && paragraphCursor.is()) paragraphCursor->gotoEndOfParagraph(true);
    anchor->getText()->insertTextContent(as_range(cursor), bookmark, true);
    if (utf8(named->getName()) != name) return {};  // the office renamed it: the name was taken
    paragraphOf_[name] = paragraph;
    tocByParagraph_.emplace(paragraph, name);
    return name;
}

std::string TocBookmarks::byTitle(const std::string& title) {
    if (!headingsRead_) {
        headingsRead_ = true;
        ParagraphMap& map = document_.map();
        for (int i = 0; i < static_cast<int>(map.entries().size()); ++i) {
            if (map.outlineLevel(i) <= 0) continue;
            headings_.emplace_back(
                trimmed(utf8(map.entries()[static_cast<std::size_t>(i)].paragraph->getString())), i);
        }
    }
    const std::string wanted = trimmed(title);
    if (wanted.empty()) return {};
    // From the heading after the last one found, then from the start.
    for (std::size_t n = 0; n < headings_.size(); ++n) {
        const std::size_t at = (nextHeading_ + n) % headings_.size();
        if (headings_[at].first != wanted) continue;
        const std::string name = tocOfParagraph(headings_[at].second);
        if (name.empty()) continue;
        nextHeading_ = at + 1;
        return name;
    }
    return {};
}

std::optional<SequenceTarget> sequence_target(const std::string& target) {
    constexpr std::string_view kSuffix = "|sequence";
    const auto bang = target.rfind('!');
    if (bang == std::string::npos || bang == 0 || !target.ends_with(kSuffix)) return std::nullopt;
    const std::string digits = target.substr(bang + 1, target.size() - kSuffix.size() - bang - 1);
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return SequenceTarget{target.substr(0, bang), std::stoi(digits)};
}

std::optional<int> TocBookmarks::captionParagraph(const std::string& category, int number) {
    if (!captionsRead_) {
        captionsRead_ = true;
        const Reference<css::text::XTextFieldsSupplier> supplier(document_.document(), UNO_QUERY);
        if (!supplier.is()) return std::nullopt;
        ParagraphMap& map = document_.map();
        std::vector<std::pair<int, std::pair<std::string, int>>> found;  // position, category, number
        const auto items = supplier->getTextFields()->createEnumeration();
        while (items->hasMoreElements()) {
            const Reference<css::text::XTextField> field(items->nextElement(), UNO_QUERY);
            const Reference<css::lang::XServiceInfo> info(field, UNO_QUERY);
            if (!info.is() || !info->supportsService("com.sun.star.text.textfield.SetExpression")) continue;
            const auto set = props(field);
            if (prop<sal_Int16>(set, "SubType") != css::text::SetVariableType::SEQUENCE) continue;
            const auto position = map.findPosition(field->getAnchor());
            if (!position) continue;
            found.push_back({*position, {prop_text(set, "VariableName"), prop<sal_Int16>(set, "SequenceValue")}});
        }
        std::sort(found.begin(), found.end());
        for (const auto& [position, key] : found) {
            const int paragraph = map.entryAt(position);
            captions_.emplace(key, paragraph);
            captionOrder_[key.first].push_back(paragraph);
        }
    }
    // The label as the fields spell it ("TABLE" in the index, "Table" in the captions).
    std::string label = category;
    if (captionOrder_.count(label) == 0) {
        for (const auto& [name, paragraphs] : captionOrder_) {
            if (name.size() == label.size() &&
                std::equal(name.begin(), name.end(), label.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                })) {
                label = name;
                break;
            }
        }
    }
    const auto hit = captions_.find({label, number});
    if (hit != captions_.end()) return hit->second;
    // Numbers the fields do not carry: the n-th of the category.
    const auto order = captionOrder_.find(label);
    if (order != captionOrder_.end() && number >= 0 && number < static_cast<int>(order->second.size()))
        return order->second[static_cast<std::size_t>(number)];
    return std::nullopt;
}

std::string TocBookmarks::forCaption(const std::string& category, int number) {
    const auto paragraph = captionParagraph(category, number);
    if (!paragraph) return {};
    std::string name = tocOfParagraph(*paragraph);
    if (!name.empty()) {
        ++recovered;
        return name;
    }
    // A caption without one gets a "_Toc" bookmark of its own over its text.
    std::string base = "_Toc";
    for (const char c : category) base += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    base += "_" + std::to_string(number + 1);
    name = base;
    for (int n = 2; paragraphOf_.count(name) != 0 || hidden(name).is(); ++n) name = base + "_" + std::to_string(n);
    const auto& entry = document_.map().entries()[static_cast<std::size_t>(*paragraph)];
    name = markText(name, *paragraph, entry.paragraph);
    if (!name.empty()) ++created;
    return name;
}

std::string TocBookmarks::nameFor(const std::string& target, const std::string& title) {
    if (is_toc_bookmark(target) && paragraphOf_.count(target) != 0) return target;
    if (const auto sequence = sequence_target(target)) {
        std::string name = forCaption(sequence->category, sequence->number);
        if (name.empty()) ++lost;
        return name;
    }
    std::string name;
    if (const auto paragraph = paragraphOfName(target)) {
        // The heading is known: its own name, else the office's name made one.
        name = tocOfParagraph(*paragraph);
        if (!name.empty()) {
            ++recovered;
        } else if (is_toc_bookmark(target)) {
            name = addBookmark(target, *paragraph);
            if (!name.empty()) ++created;
        }
    } else {
        name = byTitle(title);
        if (!name.empty()) ++recovered;
    }
    if (name.empty()) {
        ++lost;
        return {};
    }
    // Later title searches go on after the heading reached.
    const auto reached = paragraphOf_.find(name);
    if (reached != paragraphOf_.end()) {
        for (std::size_t i = 0; i < headings_.size(); ++i)
            if (headings_[i].second == reached->second) nextHeading_ = i + 1;
    }
    return name;
}

}  // namespace vane
