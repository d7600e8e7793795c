#include "word/office/OfficeStoryRange.h"

#include <algorithm>

#include "word/WordConstants.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/LineWalker.h"
#include "word/office/OfficeFields.h"
#include "word/office/OfficeFont.h"
#include "word/office/OfficeHyperlinks.h"
#include "word/office/OfficePageSetup.h"
#include "word/office/OfficeRange.h"
#include "word/office/OfficeSections.h"
#include "word/office/OfficeStyles.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

DocumentSession& OfficeStoryRange::open() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    session_->office();
    return *document_;
}

const PageStyleInfo& OfficeStoryRange::pageStyle() {
    DocumentSession& document = open();
    LineWalker walker(document, story_->map());
    return document.geometry().page(walker.place(start_).page);
}

std::string OfficeStoryRange::text() {
    return uno_call("Range.Text", [&]() -> std::string {
        open();
        std::string out;
        if (story_->empty()) return out;
        ParagraphMap& map = story_->map();
        const auto& entries = map.entries();
        if (entries.empty()) return out;
        for (int i = map.entryAt(start_); i < static_cast<int>(entries.size()); ++i) {
            const auto& entry = entries[static_cast<std::size_t>(i)];
            if (entry.start >= end_) break;
            const int from = std::max(start_, entry.start);
            const int to = std::min(end_, entry.end());
            const int textEnd = std::min(to, entry.start + entry.length);
            if (textEnd > from) out += word_text(utf8(map.cursorOver(from, textEnd)->getString()));
            if (to == entry.end()) out += '\r';
        }
        return out;
    });
}

std::unique_ptr<word::Font> OfficeStoryRange::font() {
    return uno_call("Range.Font", [&]() -> std::unique_ptr<word::Font> {
        open();
        const auto set = props(story_->map().span(start_, end_));
        float size = static_cast<float>(word::kUndefined);
        const auto value = set->getPropertyValue("CharHeight");
        if (value.hasValue()) value >>= size;
        return std::make_unique<OfficeFont>(size);
    });
}

std::unique_ptr<word::Paragraphs> OfficeStoryRange::paragraphs() {
    throw word::WordError("Range.Paragraphs: not available for this story");
}

std::unique_ptr<word::Sections> OfficeStoryRange::sections() {
    return uno_call("Range.Sections", [&]() -> std::unique_ptr<word::Sections> {
        return std::make_unique<OfficeSections>(session_, document_, std::vector<PageStyleInfo>{pageStyle()});
    });
}

std::unique_ptr<word::Fields> OfficeStoryRange::fields() {
    open();
    return std::make_unique<OfficeFields>(session_, document_, story_, start_, end_);
}

std::unique_ptr<word::Hyperlinks> OfficeStoryRange::hyperlinks() {
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

std::unique_ptr<word::Style> OfficeStoryRange::style() {
    return uno_call("Range.Style", [&]() -> std::unique_ptr<word::Style> {
        open();
        ParagraphMap& map = story_->map();
        const std::string name = prop_text(
            props(map.entries()[static_cast<std::size_t>(map.entryAt(start_))].paragraph), "ParaStyleName");
        return OfficeStyles::paragraphStyle(document_->document(), name);
    });
}

std::unique_ptr<word::PageSetup> OfficeStoryRange::pageSetup() {
    return uno_call("Range.PageSetup", [&]() -> std::unique_ptr<word::PageSetup> {
        return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{pageStyle()});
    });
}

void OfficeStoryRange::select() {
    uno_call("Range.Select", [&] {
        DocumentSession& document = open();
        const int last = story_->end();
        document.select(document.selectionStart, document.selectionStart);
        story_->selectionStart = std::clamp(start_, 0, last);
        story_->selectionEnd = std::clamp(end_, story_->selectionStart, last);
        document.story = story_;
        session_->active = document_;
    });
}

}  // namespace vane
