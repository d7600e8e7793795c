#include "word/office/PageGeometry.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <stdexcept>

#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

PageGeometry::PageGeometry(const Reference<css::frame::XModel>& model,
                           const Reference<css::text::XTextViewCursor>& viewCursor) {
    const Reference<css::style::XStyleFamiliesSupplier> families(model, UNO_QUERY_THROW);
    pageStyles_.set(families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
    const int count = prop<sal_Int32>(props(model->getCurrentController()), "PageCount");
    const Reference<css::text::XPageCursor> pageCursor(viewCursor, UNO_QUERY_THROW);
    const auto cursorProps = props(viewCursor);
    // The cursor cannot stand on a page without text of its own: it stays
    // on the page before. Such a page is either a blank page the layout
    // counts before a page that must start on an odd (or even) side, which
    // takes no room and is neither shown nor printed, or a page holding only
    // pictures or frames, which is laid out and printed.
    std::vector<int> reachable;
    std::vector<long> firstLineY;
    std::vector<std::string> names;
    std::vector<Reference<css::text::XTextRange>> starts;
    auto afterPrevious = [&](int n) {
        return !reachable.empty() && reachable.back() == n - 1 &&
               stepOntoPage(viewCursor, starts.back(), firstLineY.back(), n);
    };
    for (int n = 1; n <= count; ++n) {
        pageCursor->jumpToPage(static_cast<sal_Int16>(n));
        if (pageCursor->getPage() != n) {
            // A page that opens with a table's repeated heading rows sends
            // the cursor back to the rows it repeats: its own first line is
            // the one after the last line of the page before.
            if (!afterPrevious(n)) continue;
        } else {
            pageCursor->jumpToStartOfPage();
            // A page opening with a frame (a floating table) sends the cursor
            // to the frame's anchor, on a page before.
            if (pageCursor->getPage() != n && !afterPrevious(n)) continue;
        }
        reachable.push_back(n);
        firstLineY.push_back(viewCursor->getPosition().Y);
        names.push_back(prop_text(cursorProps, "PageStyleName"));
        starts.push_back(viewCursor->getStart());
        style(names.back());
    }
    auto addPage = [&](const std::string& name, int viewPage, const Reference<css::text::XTextRange>& start) {
        for (std::size_t i = 0; i < styles_.size(); ++i) {
            if (styles_[i].name == name) pages_.push_back(i);
        }
        viewPages_.push_back(viewPage);
        hasText_.push_back(start.is());
        starts_.push_back(start);
    };
    for (std::size_t k = 0; k < reachable.size(); ++k) {
        addPage(names[k], reachable[k], starts[k]);
        if (k + 1 == reachable.size()) break;
        const int missing = reachable[k + 1] - reachable[k] - 1;
        if (missing <= 0) continue;
        // Room between the two pages' first lines beyond one page height
        // means pages without text lie between them.
        const PageStyleInfo& before = style(names[k]);
        const long room = firstLineY[k + 1] - firstLineY[k] - (before.height + kPageGap);
        const int present =
            std::min<long>(missing, room / (before.height + kPageGap) +
                                        (room % (before.height + kPageGap) > before.height / 2 ? 1 : 0));
        for (int m = 0; m < present; ++m) addPage(names[k], reachable[k] + 1 + m, nullptr);
    }
    printed_.resize(pages_.size());
    for (std::size_t i = 0; i < printed_.size(); ++i) printed_[i] = i;
    if (printed_.empty()) throw std::runtime_error("document without pages");
    // View position of page n's top edge: the heights and gaps of the pages
    // before it, less its own top margin.
    long stacked = 0;
    for (const std::size_t index : pages_) {
        tops_.push_back(stacked - styles_[index].topMargin);
        stacked += styles_[index].height + kPageGap;
    }
}

bool PageGeometry::stepOntoPage(const Reference<css::text::XTextViewCursor>& viewCursor,
                                const Reference<css::text::XTextRange>& previousStart, long previousY,
                                int page) {
    const Reference<css::text::XPageCursor> pageCursor(viewCursor, UNO_QUERY_THROW);
    const Reference<css::view::XViewCursor> steps(viewCursor, UNO_QUERY_THROW);
    // Back to the start of the page before, where it is drawn: a cursor in a
    // heading row may show on a later page that repeats the row.
    viewCursor->gotoRange(previousStart, false);
    if (viewCursor->getPosition().Y != previousY) {
        pageCursor->jumpToPage(static_cast<sal_Int16>(page - 1));
        pageCursor->jumpToStartOfPage();
        if (viewCursor->getPosition().Y != previousY) return false;
    }
    if (!pageCursor->jumpToEndOfPage() || !steps->goRight(1, false) || pageCursor->getPage() != page)
        return false;
    const Reference<css::view::XLineCursor> line(viewCursor, UNO_QUERY_THROW);
    line->gotoStartOfLine(false);
    return pageCursor->getPage() == page;
}

const PageStyleInfo& PageGeometry::style(const std::string& name) {
    for (const PageStyleInfo& info : styles_) {
        if (info.name == name) return info;
    }
    const auto set = props(Reference<css::uno::XInterface>(pageStyles_->getByName(ou(name)), UNO_QUERY));
    PageStyleInfo info;
    info.name = name;
    info.width = prop<sal_Int32>(set, "Width");
    info.height = prop<sal_Int32>(set, "Height");
    info.topMargin = prop<sal_Int32>(set, "TopMargin");
    info.bottomMargin = prop<sal_Int32>(set, "BottomMargin");
    info.leftMargin = prop<sal_Int32>(set, "LeftMargin");
    info.rightMargin = prop<sal_Int32>(set, "RightMargin");
    info.landscape = prop<bool>(set, "IsLandscape");
    info.firstShared = prop<bool>(set, "FirstIsShared", true);
    info.followStyle = prop_text(set, "FollowStyle");
    const bool headerOn = prop<bool>(set, "HeaderIsOn");
    const bool footerOn = prop<bool>(set, "FooterIsOn");
    info.headerShared = !((headerOn && !prop<bool>(set, "HeaderIsShared", true)) ||
                          (footerOn && !prop<bool>(set, "FooterIsShared", true)));
    if (!headerOn && !footerOn) info.firstShared = true;
    try {
        info.gridMode = prop<sal_Int16>(set, "GridMode");
        info.gridBase = prop<sal_Int32>(set, "GridBaseHeight");
        info.gridRuby = prop<sal_Int32>(set, "GridRubyHeight");
    } catch (const css::uno::Exception&) {
        info.gridMode = 0;  // no grid properties: no grid
    }
    try {
        info.gridRubyBelow = prop<bool>(set, "GridRubyBelow");
    } catch (const css::uno::Exception&) {
        info.gridRubyBelow = false;  // ruby above, the default
    }
    styles_.push_back(info);
    return styles_.back();
}

PageGeometry::Place PageGeometry::placeOf(const css::awt::Point& viewPosition) const {
    std::size_t index = 0;
    while (index + 1 < tops_.size() && viewPosition.Y >= tops_[index + 1]) ++index;
    const PageStyleInfo& info = styles_[pages_[index]];
    Place place;
    // The printed page: the first one at or after the layout page.
    place.page = static_cast<int>(printed_.size());
    for (std::size_t k = 0; k < printed_.size(); ++k) {
        if (printed_[k] >= index) {
            place.page = static_cast<int>(k) + 1;
            break;
        }
    }
    place.x = hmm_to_points(viewPosition.X + info.leftMargin);
    place.y = hmm_to_points(static_cast<double>(viewPosition.Y - tops_[index]));
    return place;
}

}  // namespace vane
