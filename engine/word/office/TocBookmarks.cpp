#include "word/office/TocBookmarks.h"

#include <cctype>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>

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

bool is_toc_name(const std::string& name) {
    return name.size() >= 4 && name[0] == '_' && std::toupper(static_cast<unsigned char>(name[1])) == 'T' &&
           std::toupper(static_cast<unsigned char>(name[2])) == 'O' &&
           std::toupper(static_cast<unsigned char>(name[3])) == 'C';
}

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
        if (is_toc_name(text)) tocByParagraph_.emplace(paragraph, text);
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
    const Reference<css::lang::XMultiServiceFactory> factory(document_.document(), UNO_QUERY);
    if (!target.is() || !factory.is()) return {};
    const Reference<css::text::XTextContent> bookmark(factory->createInstance("com.sun.star.text.Bookmark"),
                                                      UNO_QUERY);
    const Reference<css::container::XNamed> named(bookmark, UNO_QUERY);
    if (!bookmark.is() || !named.is()) return {};
    named->setName(ou(name));
    // Over the heading's text, as the word processor marks a heading (the
    // office's own mark may be a point at its start); a bookmark spans the
    // range it is put on, the text stays.
    const auto anchor = target->getAnchor();
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

std::string TocBookmarks::nameFor(const std::string& target, const std::string& title) {
    if (is_toc_name(target) && paragraphOf_.count(target) != 0) return target;
    std::string name;
    if (const auto paragraph = paragraphOfName(target)) {
        // The heading is known: its own name, else the office's name made one.
        name = tocOfParagraph(*paragraph);
        if (!name.empty()) {
            ++recovered;
        } else if (is_toc_name(target)) {
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
