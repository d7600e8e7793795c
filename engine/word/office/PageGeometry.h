// The page layout of a loaded document: every page's style and size, and the
// conversion from the view's coordinates to page-relative points. The view
// stacks the pages in one column with a fixed gap; a view position is the
// character's top-left minus the top margin of its page (1/100 mm).
#pragma once

#include <com/sun/star/awt/Point.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <string>
#include <vector>

namespace vane {

struct PageStyleInfo {
    std::string name;
    int width = 0;  // 1/100 mm
    int height = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int leftMargin = 0;
    int rightMargin = 0;
    bool landscape = false;
    bool firstShared = true;   // no own first-page header and footer
    bool headerShared = true;  // no own even-page header and footer
    std::string followStyle;   // the style of the page after one of this style
    // A style of its own that the office made for this section's first page
    // (a different first page, as imported): its header and footer are the
    // section's first-page ones.
    std::string firstPageStyle;
    // The text grid of the pages (CJK layout): lines are whole multiples of
    // the grid's line pitch (base plus ruby height, 1/100 mm).
    int gridMode = 0;  // 0 none, 1 lines, 2 lines and characters
    int gridBase = 0;
    int gridRuby = 0;
    bool gridRubyBelow = false;
};

class PageGeometry {
public:
    static constexpr int kPageGap = 501;  // 1/100 mm between stacked pages

    PageGeometry(const css::uno::Reference<css::frame::XModel>& model,
                 const css::uno::Reference<css::text::XTextViewCursor>& viewCursor);

    // Pages as printed: the blank pages the layout inserts before a page that
    // must start on an odd (or even) side are not printed and not counted.
    int pageCount() const { return static_cast<int>(printed_.size()); }
    // 1-based printed page.
    const PageStyleInfo& page(int page) const { return styles_.at(pages_.at(viewIndex(page))); }
    // Whether a printed page holds text (else only pictures or frames).
    bool hasText(int page) const { return hasText_.at(viewIndex(page)); }
    // The layout's own number of a printed page.
    int viewPage(int page) const { return viewPages_.at(viewIndex(page)); }
    // Where the view cursor stands at the start of a printed page that holds
    // text (read while the layout is walked; null for pages without text).
    const css::uno::Reference<css::text::XTextRange>& startRange(int page) const {
        return starts_.at(viewIndex(page));
    }
    // Lets go of those ranges (once the page starts are known as positions).
    void releaseStartRanges() {
        for (auto& start : starts_) start.clear();
    }
    // The style of that name (read on first use).
    const PageStyleInfo& style(const std::string& name);

    struct Place {
        int page = 0;  // 1-based printed page
        double x = 0;  // points from the page's left edge
        double y = 0;  // points from the page's top edge
    };
    Place placeOf(const css::awt::Point& viewPosition) const;

private:
    // Moves the view cursor from the start of the page before `page` to the
    // first line of `page` that follows it in the text.
    static bool stepOntoPage(const css::uno::Reference<css::text::XTextViewCursor>& viewCursor,
                             const css::uno::Reference<css::text::XTextRange>& previousStart, long previousY,
                             int page);

    std::size_t viewIndex(int page) const { return printed_.at(static_cast<std::size_t>(page - 1)); }

    css::uno::Reference<css::container::XNameAccess> pageStyles_;
    std::vector<PageStyleInfo> styles_;
    std::vector<std::size_t> pages_;    // index into styles_ per layout page
    std::vector<std::size_t> printed_;  // index into pages_ of each printed page
    std::vector<int> viewPages_;        // the layout's number of each page in pages_
    std::vector<bool> hasText_;         // the cursor can stand on the page
    std::vector<long> tops_;            // view position of each page's top edge
    std::vector<css::uno::Reference<css::text::XTextRange>> starts_;  // per page in pages_
};

// 1/100 mm to points.
inline double hmm_to_points(double hmm) {
    return hmm * 72.0 / 2540.0;
}

}  // namespace vane
