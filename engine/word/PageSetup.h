// Page layout of a document, section or range. Values are points. When the
// target spans sections that differ, a value reads as kUndefined.
#pragma once

namespace vane::word {

class PageSetup {
public:
    virtual ~PageSetup() = default;
    virtual int orientation() = 0;  // kPortrait, kLandscape or kUndefined
    virtual float pageHeight() = 0;
    virtual float pageWidth() = 0;
    virtual float topMargin() = 0;
    virtual float bottomMargin() = 0;
    virtual float leftMargin() = 0;
    virtual float rightMargin() = 0;
    // The first page has its own header and footer.
    virtual bool differentFirstPageHeaderFooter() = 0;
    // Odd and even pages have their own headers and footers.
    virtual bool oddAndEvenPagesHeaderFooter() = 0;
};

}  // namespace vane::word
