// One text story of a fake document (main text, footnote, header/footer,
// text box): its characters, paragraphs, laid-out lines and hyperlinks.
// Written line by line; each paragraph ends with "\r", which belongs to its
// last line.
#pragma once

#include <string>
#include <vector>

#include "word/StoryParagraphs.h"

namespace vane::test {

struct FakeLine {
    int start = 0;
    int length = 0;  // characters, the paragraph mark included on a paragraph's last line
    int page = 0;    // 1-based; 0 = not on any page
    float top = 0;   // points from the page's top edge
    float left = 0;  // points from the page's left edge
    float charWidth = 6;
    float fontSize = 12;
};

struct FakeParagraph {
    int start = 0;
    int end = 0;  // one past the "\r"
    std::string style;
    bool inTable = false;
    float leftIndent = 0;
    float rightIndent = 0;
    int outlineLevel = 0;    // set on the paragraph itself (1..10); 0: the style's
    std::string listString;  // the list number shown; empty: not numbered
};

struct FakeHyperlink {
    std::string address;
    std::string subAddress;
    int start = 0;  // text links: the linked range of this story
    int end = 0;
    int shape = 0;  // shape links: 1-based index of the document's shape
};

class FakeStory {
public:
    explicit FakeStory(int page = 0) : page_(page) {}

    // --- writing ---
    // Starts a paragraph of `style` (local style name).
    FakeStory& paragraph(const std::string& style = "Normal");
    // Adds a laid-out line to the current paragraph (one is started if none):
    // its text (UTF-8, may hold "\f", "\v", "\t"), top and left in points.
    FakeStory& line(const std::string& text, float top, float left = 72);
    // Page of the lines that follow (1-based).
    FakeStory& onPage(int page);
    // Font size and character advance of the lines that follow.
    FakeStory& font(float size, float charWidth = 6);
    // Marks the current paragraph as inside a table / sets its indents.
    FakeStory& inTable();
    FakeStory& indents(float left, float right);
    // An outline level set on the current paragraph itself (10: body text).
    FakeStory& outline(int level);
    // The list number the current paragraph shows.
    FakeStory& listNumber(const std::string& label);
    // A hyperlink on the characters [start, end) of this story.
    // With `shape` (1-based), the link is on that shape of the document instead.
    FakeStory& hyperlink(const std::string& address, const std::string& subAddress, int start, int end,
                         int shape = 0);
    // Appends characters that belong to no paragraph or line (field codes).
    FakeStory& raw(const std::string& text);
    // A hyperlink on the first occurrence of `text`.
    FakeStory& hyperlinkOn(const std::string& text, const std::string& address,
                           const std::string& subAddress = {});

    // --- reading ---
    // Position of the first occurrence of `text` at or after `from`; -1 when absent.
    int find(const std::string& text, int from = 0) const;
    int length() const { return static_cast<int>(text_.size()); }
    std::string textOf(int start, int end) const;
    const std::u32string& text() const { return text_; }
    const std::vector<FakeParagraph>& paragraphs() const { return paragraphs_; }
    const std::vector<FakeLine>& lines() const { return lines_; }
    const std::vector<FakeHyperlink>& hyperlinks() const { return hyperlinks_; }
    int currentPage() const { return page_; }

    // Index of the paragraph holding `pos` (the last one past the end); -1 when none.
    int paragraphAt(int pos) const;
    // Index of the line holding `pos` (a position past a line's end falls on the
    // nearest line before it); -1 when the story has no lines.
    int lineAt(int pos) const;
    // Where the text of a line ends: before the paragraph mark on a paragraph's
    // last line, else where the next line starts.
    int lineEnd(int index) const;
    // The paragraphs as positions, for the shared selection rules; the story
    // reaches to its last character (field codes after the paragraphs included).
    word::StoryParagraphs paragraphMap() const;

private:
    std::u32string text_;
    std::vector<FakeParagraph> paragraphs_;
    std::vector<FakeLine> lines_;
    std::vector<FakeHyperlink> hyperlinks_;
    int page_;
    float fontSize_ = 12;
    float charWidth_ = 6;
    int paragraphLines_ = 0;  // lines of the current paragraph
};

}  // namespace vane::test
