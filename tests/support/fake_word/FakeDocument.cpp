#include "FakeDocument.h"

#include <algorithm>
#include <stdexcept>

#include "FakeText.h"
#include "word/WordConstants.h"

namespace vane::test {

FakeDocument::FakeDocument() : main_(std::make_unique<FakeStory>(0)) {
    styles_.push_back({"Normal", true, 10, 0, true});
    for (int level = 1; level <= 6; ++level) {
        styles_.push_back({"Heading " + std::to_string(level), true, level, -1 - level, true});
    }
    for (int level = 1; level <= 9; ++level) {
        styles_.push_back({"TOC " + std::to_string(level), true, 10, 0, true});
    }
}

FakeDocument& FakeDocument::section(const FakePageSetup& setup) {
    FakeSection s;
    s.setup = setup;
    sections_.push_back(std::move(s));
    return *this;
}

FakeDocument& FakeDocument::page() {
    if (sections_.empty()) section();
    pageSections_.push_back(static_cast<int>(sections_.size()));
    main_->onPage(pageCount());
    return *this;
}

int FakeDocument::sectionOfPage(int page) const {
    if (page < 1 || page > pageCount()) return sections_.empty() ? 0 : 1;
    return pageSections_[static_cast<size_t>(page - 1)];
}

FakeDocument& FakeDocument::paragraph(const std::string& style) {
    if (pageSections_.empty()) page();
    main_->paragraph(style);
    return *this;
}

FakeDocument& FakeDocument::line(const std::string& text, float top, float left) {
    if (pageSections_.empty()) page();
    main_->line(text, top, left);
    return *this;
}

int FakeDocument::outlineLevelOf(const FakeParagraph& paragraph) const {
    if (paragraph.outlineLevel != 0) return paragraph.outlineLevel;
    const FakeStyle* style = findStyle(paragraph.style);
    return style != nullptr ? style->outlineLevel : word::kOutlineBodyText;
}

FakeDocument& FakeDocument::style(const std::string& name, int outlineLevel, bool builtIn) {
    for (auto& s : styles_) {
        if (s.name == name) {
            s.outlineLevel = outlineLevel;
            s.builtIn = builtIn;
            return *this;
        }
    }
    styles_.push_back({name, builtIn, outlineLevel, 0, true});
    return *this;
}

FakeDocument& FakeDocument::renameHeadingStyle(int level, const std::string& localName) {
    for (auto& s : styles_) {
        if (s.builtInIndex == -1 - level) s.name = localName;
    }
    return *this;
}

FakeDocument& FakeDocument::removeHeadingStyle(int level) {
    std::erase_if(styles_, [level](const FakeStyle& s) { return s.builtInIndex == -1 - level; });
    return *this;
}

FakeDocument& FakeDocument::characterStyle(const std::string& name) {
    styles_.push_back({name, false, 10, 0, false});
    return *this;
}

const FakeStyle* FakeDocument::findStyle(const std::string& name) const {
    for (const auto& s : styles_) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

FakeDocument& FakeDocument::bookmark(const std::string& name, int start, int end) {
    bookmarks_[name] = {start, end};
    return *this;
}

FakeDocument& FakeDocument::bookmarkOn(const std::string& text, const std::string& name) {
    int at = find(text);
    if (at < 0) throw std::invalid_argument("fake document has no text " + text);
    return bookmark(name, at, at + static_cast<int>(to_u32(text).size()));
}

FakeDocument& FakeDocument::field(int type, const std::string& code, int start, int end) {
    fields_.push_back({type, code, start, end});
    return *this;
}

FakeDocument& FakeDocument::hyperlink(const std::string& address, const std::string& subAddress, int start,
                                      int end) {
    main_->hyperlink(address, subAddress, start, end);
    return *this;
}

FakeDocument& FakeDocument::hyperlinkOn(const std::string& text, const std::string& address,
                                        const std::string& subAddress) {
    if (find(text) < 0) throw std::invalid_argument("fake document has no text " + text);
    main_->hyperlinkOn(text, address, subAddress);
    return *this;
}

FakeDocument& FakeDocument::toc(const std::vector<FakeTocEntry>& entries, bool hyperlinks, float left) {
    int tocStart = -1;
    int tocEnd = 0;
    std::vector<FakeField> inner;
    for (const auto& e : entries) {
        std::string number = std::to_string(e.page);
        paragraph("TOC " + std::to_string(e.level));
        int start = main_->length() - 1;
        line(e.text + "\t" + number, e.top, left);
        int end = main_->length() - 1;  // before the mark
        int numberStart = end - static_cast<int>(number.size());
        if (tocStart < 0) tocStart = start;
        tocEnd = end;
        if (hyperlinks) {
            inner.push_back({88, " HYPERLINK \\l \"" + e.bookmark + "\" ", start, end});
            main_->hyperlink("", e.bookmark, start, end);
        }
        inner.push_back({37, " PAGEREF " + e.bookmark + " \\h ", numberStart, end});
    }
    if (tocStart >= 0) fields_.push_back({13, " TOC \\o \"1-3\" \\h \\z \\u ", tocStart, tocEnd});
    for (const auto& f : inner) fields_.push_back(f);
    return *this;
}

FakeStory& FakeDocument::shape(const FakeShape& given, int page) {
    FakeShape s;
    s.type = given.type;
    s.anchor = given.anchor;
    s.width = given.width;
    s.height = given.height;
    s.top = given.top;
    s.left = given.left;
    s.relativeHorizontal = given.relativeHorizontal;
    s.relativeVertical = given.relativeVertical;
    s.hasText = given.hasText;
    s.story = std::make_unique<FakeStory>(page);
    shapes_.push_back(std::move(s));
    return *shapes_.back().story;
}

FakeDocument& FakeDocument::shapeHyperlink(int shapeIndex, const std::string& address,
                                           const std::string& subAddress) {
    int anchor = shapes_.at(static_cast<size_t>(shapeIndex - 1)).anchor;
    main_->hyperlink(address, subAddress, anchor, anchor, shapeIndex);
    return *this;
}

FakeStory& FakeDocument::footnote(int page) {
    footnotes_.push_back(std::make_unique<FakeStory>(page));
    return *footnotes_.back();
}

FakeDocument& FakeDocument::storyField(const FakeStory& story, int type, const std::string& code, int start,
                                       int end) {
    storyFields_[&story].push_back({type, code, start, end});
    return *this;
}

std::vector<FakeField> FakeDocument::fieldsOf(const FakeStory* story) const {
    if (story == main_.get()) return fields();
    const auto found = storyFields_.find(story);
    if (found == storyFields_.end()) return {};
    std::vector<FakeField> sorted = found->second;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const FakeField& a, const FakeField& b) { return a.start < b.start; });
    return sorted;
}

FakeStory& FakeDocument::endnote(int page) {
    endnotes_.push_back(std::make_unique<FakeStory>(page));
    return *endnotes_.back();
}

FakeDocument& FakeDocument::noteReference(const FakeStory& note, int start, int end) {
    noteReferences_[&note] = {start, end};
    return *this;
}

const std::pair<int, int>* FakeDocument::noteReferenceOf(const FakeStory* note) const {
    const auto found = noteReferences_.find(note);
    return found == noteReferences_.end() ? nullptr : &found->second;
}

FakeStory& FakeDocument::header(int section, int index, int page) {
    return headerFooter(section, true, index, page);
}

FakeStory& FakeDocument::footer(int section, int index, int page) {
    return headerFooter(section, false, index, page);
}

FakeStory& FakeDocument::headerFooter(int section, bool header, int index, int page) {
    if (sections_.empty()) this->section();
    FakeSection& s = sections_.at(static_cast<size_t>(section - 1));
    auto& story = s.headerFooters[{header ? 1 : 0, index}];
    if (story && page == 0) return *story;
    if (page == 0) {
        page = 1;
        for (int p = 1; p <= pageCount(); ++p) {
            if (sectionOfPage(p) == section) {
                page = p;
                break;
            }
        }
    }
    if (!story) story = std::make_unique<FakeStory>(page);
    story->onPage(page);
    return *story;
}

void FakeDocument::completeEmpty() {
    if (pageSections_.empty()) page();
    if (main_->paragraphs().empty()) {
        const FakePageSetup& setup = setupOfPage(1);
        main_->paragraph().line("", setup.topMargin, setup.leftMargin);
    }
}

std::vector<FakeField> FakeDocument::fields() const {
    std::vector<FakeField> sorted = fields_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const FakeField& a, const FakeField& b) { return a.start < b.start; });
    return sorted;
}

const FakePageSetup& FakeDocument::setupOfPage(int page) const {
    static const FakePageSetup fallback;
    int s = sectionOfPage(page);
    return s == 0 ? fallback : sections_[static_cast<size_t>(s - 1)].setup;
}

int FakeDocument::pageStart(int page) const {
    for (const auto& l : main_->lines()) {
        if (l.page >= page) return l.start;
    }
    return std::max(main_->length() - 1, 0);
}

}  // namespace vane::test
