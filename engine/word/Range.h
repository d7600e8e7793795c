// A stretch of one story (the main text, a footnote, a header, a text box ...)
// between two character positions. Positions count every character of the
// story from 0, paragraph marks ("\r") included; End is one past the last.
#pragma once

#include <memory>
#include <string>

#include "word/Font.h"
#include "word/PageSetup.h"
#include "word/Style.h"

namespace vane::word {

class Paragraphs;
class Sections;
class Hyperlinks;
class Fields;

class Range {
public:
    virtual ~Range() = default;
    // The characters of the range, UTF-8; paragraphs end with "\r".
    virtual std::string text() = 0;
    virtual int start() = 0;
    virtual int end() = 0;
    // The story the range lies in: kMainTextStory, kFootnotesStory,
    // kTextFrameStory, k...HeaderStory or k...FooterStory.
    virtual int storyType() = 0;
    virtual std::unique_ptr<Font> font() = 0;
    // Paragraphs the range touches (a collapsed range: the one it sits in).
    virtual std::unique_ptr<Paragraphs> paragraphs() = 0;
    // Sections the range touches.
    virtual std::unique_ptr<Sections> sections() = 0;
    // Hyperlinks inside the range.
    virtual std::unique_ptr<Hyperlinks> hyperlinks() = 0;
    // Fields inside the range, in order; a field's select() selects it in the range's story.
    virtual std::unique_ptr<Fields> fields() = 0;
    // The paragraph style of the range; null when it mixes styles.
    virtual std::unique_ptr<Style> style() = 0;
    // The page setup of the section(s) the range lies in.
    virtual std::unique_ptr<PageSetup> pageSetup() = 0;
    // Makes the range the application's selection.
    virtual void select() = 0;
};

}  // namespace vane::word
