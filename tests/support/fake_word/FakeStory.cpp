#include "FakeStory.h"

#include <algorithm>

#include "FakeText.h"

namespace vane::test {

FakeStory& FakeStory::paragraph(const std::string& style) {
    FakeParagraph p;
    p.start = length();
    text_.push_back(U'\r');
    p.end = length();
    p.style = style;
    paragraphs_.push_back(p);
    paragraphLines_ = 0;
    return *this;
}

FakeStory& FakeStory::line(const std::string& text, float top, float left) {
    if (paragraphs_.empty()) paragraph();
    std::u32string chars = to_u32(text);
    int at = length() - 1;  // before the current paragraph's mark
    text_.insert(static_cast<size_t>(at), chars);
    int added = static_cast<int>(chars.size());
    paragraphs_.back().end += added;
    if (paragraphLines_ > 0) lines_.back().length -= 1;  // the mark moves to the new line
    FakeLine l;
    l.start = at;
    l.length = added + 1;
    l.page = page_;
    l.top = top;
    l.left = left;
    l.charWidth = charWidth_;
    l.fontSize = fontSize_;
    lines_.push_back(l);
    ++paragraphLines_;
    return *this;
}

FakeStory& FakeStory::onPage(int page) {
    page_ = page;
    return *this;
}

FakeStory& FakeStory::font(float size, float charWidth) {
    fontSize_ = size;
    charWidth_ = charWidth;
    return *this;
}

FakeStory& FakeStory::inTable() {
    if (paragraphs_.empty()) paragraph();
    paragraphs_.back().inTable = true;
    return *this;
}

FakeStory& FakeStory::outline(int level) {
    if (paragraphs_.empty()) paragraph();
    paragraphs_.back().outlineLevel = level;
    return *this;
}

FakeStory& FakeStory::listNumber(const std::string& label) {
    if (paragraphs_.empty()) paragraph();
    paragraphs_.back().listString = label;
    return *this;
}

FakeStory& FakeStory::indents(float left, float right) {
    if (paragraphs_.empty()) paragraph();
    paragraphs_.back().leftIndent = left;
    paragraphs_.back().rightIndent = right;
    return *this;
}

FakeStory& FakeStory::hyperlink(const std::string& address, const std::string& subAddress, int start, int end,
                                int shape) {
    FakeHyperlink h;
    h.shape = shape;
    h.address = address;
    h.subAddress = subAddress;
    h.start = start;
    h.end = end;
    hyperlinks_.push_back(h);
    return *this;
}

FakeStory& FakeStory::hyperlinkOn(const std::string& text, const std::string& address,
                                  const std::string& subAddress) {
    int at = find(text);
    return hyperlink(address, subAddress, at, at + static_cast<int>(to_u32(text).size()));
}

FakeStory& FakeStory::raw(const std::string& text) {
    text_ += to_u32(text);
    return *this;
}

int FakeStory::find(const std::string& text, int from) const {
    auto at = text_.find(to_u32(text), static_cast<size_t>(std::max(from, 0)));
    return at == std::u32string::npos ? -1 : static_cast<int>(at);
}

std::string FakeStory::textOf(int start, int end) const {
    start = std::clamp(start, 0, length());
    end = std::clamp(end, start, length());
    return to_utf8(text_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

int FakeStory::paragraphAt(int pos) const {
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (pos < paragraphs_[i].end) return static_cast<int>(i);
    }
    return static_cast<int>(paragraphs_.size()) - 1;
}

int FakeStory::lineAt(int pos) const {
    int found = lines_.empty() ? -1 : 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].start <= pos) found = static_cast<int>(i);
    }
    return found;
}

int FakeStory::lineEnd(int index) const {
    const FakeLine& l = lines_[static_cast<size_t>(index)];
    int end = l.start + l.length;
    if (end > 0 && end <= length() && text_[static_cast<size_t>(end - 1)] == U'\r') return end - 1;
    return end;
}

word::StoryParagraphs FakeStory::paragraphMap() const {
    word::StoryParagraphs map;
    for (const FakeParagraph& p : paragraphs_) map.add(p.start, p.end - p.start - 1);
    map.extendTo(length());
    return map;
}

}  // namespace vane::test
