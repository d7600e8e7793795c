// d2h -a: paragraphs with an outline level that the word processor's HTML
// export writes as plain paragraphs (custom styles with a level, a level set
// on the paragraph) become heading elements of their level, so that they
// start pages and appear in the tree index like the built-in headings.
// The paragraphs are read while the document is open; the exported file is
// rewritten after the save.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vane::word {
class Application;
}  // namespace vane::word

namespace vane {

class OutlineHeadings {
public:
    // One paragraph of the main text, in document order.
    struct Paragraph {
        std::string text;   // normalised
        std::string label;  // its list number, normalised (outline paragraphs only)
        int level = 0;      // 1..9, 0 for body text
    };

    // Reads every paragraph of the main text of the active document.
    void collect(word::Application& application);

    // `html` with the element of each paragraph of level 1..6 that is written
    // as <p> turned into <hN>. A paragraph is found by its text (its list
    // number may come first) and by which of the paragraphs with that text
    // it is; one whose element is not found is left alone.
    static std::string apply(std::string_view html, const std::vector<Paragraph>& paragraphs,
                             int* changed = nullptr);
    // The same on the file at `path`, in place; the number of elements
    // changed (0 when the file cannot be read or written).
    int applyTo(const std::string& path) const;

    // Text as both sides compare it: control characters and runs of blanks
    // one space, none at either end.
    static std::string normalized(std::string_view text);

    std::vector<Paragraph> paragraphs;
};

}  // namespace vane
