#include "word/office/TocBookmarks.h"

#include <cctype>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
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
    const auto bookmarks = supplier->getBookmarks();
    ParagraphMap& map = document.map();
    for (const auto& name : bookmarks->getElementNames()) {
        const Reference<css::text::XTextContent> bookmark(bookmarks->getByName(name), UNO_QUERY);
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

std::string TocBookmarks::nameFor(const std::string& target, const std::string& title) {
    if (is_toc_name(target) && paragraphOf_.count(target) != 0) return target;
    if (!target.empty()) {
        const auto at = paragraphOf_.find(target);
        if (at != paragraphOf_.end()) {
            const std::string name = tocOfParagraph(at->second);
            if (!name.empty()) {
                ++recovered;
                return name;
            }
        }
    }
    if (!headingsRead_) {
        headingsRead_ = true;
        ParagraphMap& map = document_.map();
        for (int i = 0; i < static_cast<int>(map.entries().size()); ++i) {
            if (map.outlineLevel(i) <= 0) continue;
            headings_.emplace_back(trimmed(utf8(map.entries()[static_cast<std::size_t>(i)].paragraph->getString())),
                                   i);
        }
    }
    const std::string wanted = trimmed(title);
    for (const auto& [text, paragraph] : headings_) {
        if (text != wanted) continue;
        const std::string name = tocOfParagraph(paragraph);
        if (!name.empty()) {
            ++recovered;
            return name;
        }
    }
    ++lost;
    return {};
}

}  // namespace vane
