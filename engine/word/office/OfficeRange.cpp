#include "word/office/OfficeRange.h"

#include <algorithm>

#include "word/TextSpan.h"
#include "word/WordConstants.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/LineWalker.h"
#include "word/office/OfficeFields.h"
#include "word/office/OfficeFont.h"
#include "word/office/OfficeHyperlinks.h"
#include "word/office/OfficePageSetup.h"
#include "word/office/OfficeParagraphs.h"
#include "word/office/OfficeSections.h"
#include "word/office/OfficeStyles.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

std::string word_text(const std::string& officeText) {
    std::string text = officeText;
    std::replace(text.begin(), text.end(), '\n', '\v');
    return text;
}

DocumentSession& OfficeRange::open() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    if (story_) session_->office();
    return *document_;
}

ParagraphMap& OfficeRange::map() const { return story_ ? story_->map() : document_->map(); }

const PageStyleInfo& OfficeRange::storyPageStyle() {
    DocumentSession& document = open();
    LineWalker walker(document, story_->map());
    return document.geometry().page(walker.place(start_).page);
}

std::string OfficeRange::text() {
    return uno_call("Range.Text", [&]() -> std::string {
        open();
        std::string out;
        if (story_ && story_->empty()) return out;
        ParagraphMap& paragraphs = map();
        const auto& entries = paragraphs.entries();
        if (entries.empty()) return out;
        for (int i = paragraphs.entryAt(start_); i < static_cast<int>(entries.size()); ++i) {
            const auto& entry = entries[static_cast<std::size_t>(i)];
            if (entry.start >= end_) break;
            const int from = std::max(start_, entry.start);
            const int to = std::min(end_, entry.end());
            const int textEnd = std::min(to, entry.start + entry.length);
            if (textEnd > from) out += word_text(utf8(paragraphs.cursorOver(from, textEnd)->getString()));
            if (to == entry.end()) out += '\r';
        }
        return out;
    });
}

std::unique_ptr<word::Font> OfficeRange::font() {
    return uno_call("Range.Font", [&]() -> std::unique_ptr<word::Font> {
        open();
        const auto set = props(map().span(start_, end_));
        float size = static_cast<float>(word::kUndefined);
        const auto value = set->getPropertyValue("CharHeight");
        if (value.hasValue()) value >>= size;
        return std::make_unique<OfficeFont>(size);
    });
}

std::unique_ptr<word::Paragraphs> OfficeRange::paragraphs() {
    if (story_) throw word::WordError("Range.Paragraphs: not available for this story");
    return uno_call("Range.Paragraphs", [&]() -> std::unique_ptr<word::Paragraphs> {
        open();
        ParagraphMap& paragraphs = map();
        const int first = paragraphs.entryAt(start_);
        const int last = paragraphs.entryAt(std::max(start_, end_ - 1));
        std::vector<int> starts;
        for (int i = first; i <= last; ++i)
            starts.push_back(paragraphs.entries()[static_cast<std::size_t>(i)].start);
        return std::make_unique<OfficeParagraphs>(session_, document_, std::move(starts));
    });
}

std::unique_ptr<word::Sections> OfficeRange::sections() {
    return uno_call("Range.Sections", [&]() -> std::unique_ptr<word::Sections> {
        DocumentSession& document = open();
        if (story_) {
            return std::make_unique<OfficeSections>(session_, document_,
                                                    std::vector<PageStyleInfo>{storyPageStyle()});
        }
        std::vector<PageStyleInfo> styles{document.pageStyleAt(start_)};
        const PageStyleInfo& last = document.pageStyleAt(std::max(start_, end_ - 1));
        if (last.name != styles.front().name) styles.push_back(last);
        return std::make_unique<OfficeSections>(session_, document_, std::move(styles));
    });
}

std::unique_ptr<word::Fields> OfficeRange::fields() {
    open();
    return std::make_unique<OfficeFields>(session_, document_, story_, start_, end_);
}

std::unique_ptr<word::Hyperlinks> OfficeRange::hyperlinks() {
    if (!story_) return OfficeHyperlinks::ofMainText(session_, document_, start_, end_);
    return uno_call("Range.Hyperlinks", [&]() -> std::unique_ptr<word::Hyperlinks> {
        open();
        std::vector<FoundLink> inside;
        if (story_->empty()) return std::make_unique<OfficeHyperlinks>(session_, document_, story_, inside);
        for (const FoundLink& link : scan_links(story_->map())) {
            if (link.start < end_ && link.end > start_) inside.push_back(link);
        }
        return std::make_unique<OfficeHyperlinks>(session_, document_, story_, std::move(inside));
    });
}

std::unique_ptr<word::Style> OfficeRange::style() {
    return uno_call("Range.Style", [&]() -> std::unique_ptr<word::Style> {
        open();
        ParagraphMap& paragraphs = map();
        const int first = paragraphs.entryAt(start_);
        // A story's range reports the style of its first paragraph.
        const int last = story_ ? first : paragraphs.entryAt(std::max(start_, end_ - 1));
        std::string name;
        for (int i = first; i <= last; ++i) {
            const std::string own =
                prop_text(props(paragraphs.entries()[static_cast<std::size_t>(i)].paragraph), "ParaStyleName");
            if (i != first && own != name) return nullptr;
            name = own;
        }
        return OfficeStyles::paragraphStyle(document_->document(), name);
    });
}

std::unique_ptr<word::PageSetup> OfficeRange::pageSetup() {
    return uno_call("Range.PageSetup", [&]() -> std::unique_ptr<word::PageSetup> {
        DocumentSession& document = open();
        if (story_) return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{storyPageStyle()});
        std::vector<PageStyleInfo> styles{document.pageStyleAt(start_)};
        styles.push_back(document.pageStyleAt(std::max(start_, end_ - 1)));
        return std::make_unique<OfficePageSetup>(styles);
    });
}

void OfficeRange::select() {
    uno_call("Range.Select", [&] {
        DocumentSession& document = open();
        if (story_) {
            document.select(document.mainText().selection.start, document.mainText().selection.start);
            story_->selection = word::TextSpan::clamped(start_, end_, story_->end());
            document.story = story_;
        } else {
            document.select(start_, end_);
        }
        session_->active = document_;
    });
}

}  // namespace vane
