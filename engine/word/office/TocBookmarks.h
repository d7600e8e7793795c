// Names of table-of-contents bookmarks as the word processor's page
// references give them ("_Toc..."). The office's import may point an entry at
// a hidden bookmark of its own ("__RefHeading___Toc...", not listed among the
// bookmarks but found by name) or lose the target; the "_Toc" bookmark on the
// heading the entry leads to is found again instead. A heading without one
// (a .doc keeps its "_Toc" bookmarks only under the hidden name; an index the
// office rebuilt may list headings the word processor's did not) is given one
// of the entry's name, spanning the hidden bookmark's text. An entry whose
// target is gone takes the "_Toc" bookmark of the next heading of its title
// (entries come in document order, so headings of the same title are told apart).
// A table of figures rebuilt by the office links its entries to sequence
// fields ("Figure!0|sequence"); the entry takes the "_Toc" bookmark of the
// caption holding that field, or a bookmark of its own on the caption.
#pragma once

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "word/office/DocumentSession.h"

namespace vane {

class TocBookmarks {
public:
    explicit TocBookmarks(DocumentSession& document);

    // The "_Toc" name for an entry linking to `target` (may be empty) whose
    // text is `title`; empty when none is found.
    std::string nameFor(const std::string& target, const std::string& title);
    // Entries whose name had to be found again / was given a bookmark of its
    // own / could not be found.
    int recovered = 0;
    int created = 0;
    int lost = 0;

private:
    std::string tocOfParagraph(int paragraph) const;
    // A bookmark by name or by the office's hidden name for it.
    css::uno::Reference<css::text::XTextContent> hidden(const std::string& name) const;
    // The paragraph of a bookmark, listed or hidden.
    std::optional<int> paragraphOfName(const std::string& name);
    // Puts a bookmark `name` on the text of the hidden one; its name, or empty.
    std::string addBookmark(const std::string& name, int paragraph);
    std::string byTitle(const std::string& title);
    // Puts a bookmark `name` over the text of `anchor` (the paragraph's when a point).
    std::string markText(const std::string& name, int paragraph,
                         const css::uno::Reference<css::text::XTextRange>& anchor);
    std::string forCaption(const std::string& category, int number);
    // The paragraph holding sequence field `number` of `category`.
    std::optional<int> captionParagraph(const std::string& category, int number);

    DocumentSession& document_;
    css::uno::Reference<css::container::XNameAccess> bookmarks_;
    std::map<std::string, int> paragraphOf_;             // every listed bookmark: its paragraph
    std::multimap<int, std::string> tocByParagraph_;     // "_Toc" bookmarks by paragraph
    std::vector<std::pair<std::string, int>> headings_;  // title, paragraph (read on first use)
    bool headingsRead_ = false;
    std::size_t nextHeading_ = 0;  // where the search by title goes on
    // Paragraphs of the sequence fields: by category and number, and by
    // category in document order (read on first use).
    std::map<std::pair<std::string, int>, int> captions_;
    std::map<std::string, std::vector<int>> captionOrder_;
    bool captionsRead_ = false;
};

// A target of the office's own for a figure-table entry, "<category>!<n>|sequence".
struct SequenceTarget {
    std::string category;
    int number = 0;
};
std::optional<SequenceTarget> sequence_target(const std::string& target);

}  // namespace vane
