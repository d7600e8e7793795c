#include "word/office/DocumentSession.h"

#include <algorithm>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/style/LineSpacingMode.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <com/sun/star/view/XViewSettingsSupplier.hpp>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

DocumentSession::DocumentSession(const Reference<css::text::XTextDocument>& document,
                                 const Reference<css::uno::XComponentContext>& context)
    : document_(document), context_(context), mainText_(document) {}

DocumentSession::~DocumentSession() {
    if (lockFile.empty()) return;
    std::error_code error;
    std::filesystem::remove(lockFile, error);
}

Reference<css::frame::XModel> DocumentSession::model() const {
    if (!document_.is()) throw std::runtime_error("the document is closed");
    return Reference<css::frame::XModel>(document_, UNO_QUERY_THROW);
}

ParagraphMap& DocumentSession::map() {
    if (!document_.is()) throw std::runtime_error("the document is closed");
    return mainText_.map();
}

Reference<css::text::XTextViewCursor> DocumentSession::viewCursor() {
    if (!viewCursor_.is()) {
        const Reference<css::text::XTextViewCursorSupplier> supplier(model()->getCurrentController(),
                                                                     UNO_QUERY_THROW);
        viewCursor_ = supplier->getViewCursor();
        if (!viewCursor_.is()) throw std::runtime_error("the document has no view");
        hideCommentMargin(model()->getCurrentController());
    }
    return viewCursor_;
}

void DocumentSession::hideCommentMargin(const Reference<css::frame::XController>& controller) {
    // A document with comments gets a margin for them beside its pages; where
    // the office lays the pages out right to left it lies on their left and
    // moves every horizontal position measured there right by its width.
    const Reference<css::view::XViewSettingsSupplier> supplier(controller, UNO_QUERY);
    if (!supplier.is()) return;
    try {
        const auto settings = supplier->getViewSettings();
        if (settings.is()) settings->setPropertyValue("ShowAnnotations", css::uno::Any(false));
    } catch (const css::uno::Exception&) {
        // An office without the setting shows no such margin.
    }
}

PageGeometry& DocumentSession::geometry() {
    if (!geometry_) {
        geometry_ = std::make_unique<PageGeometry>(model(), viewCursor());
        // Every page's start as a position at once, while the walk's ranges
        // are at hand: ranges held into the document spoil its HTML export.
        try {
            for (int page = 1; page <= geometry_->pageCount(); ++page) pageStart(page);
        } catch (...) {
            geometry_.reset();
            pageStarts_.clear();
            exact_.clear();
            throw;
        }
        geometry_->releaseStartRanges();
    }
    return *geometry_;
}

void DocumentSession::invalidate() {
    mainText_.invalidate();
    geometry_.reset();
    viewCursor_.clear();
    pageStarts_.clear();
    exact_.clear();
    story.reset();
}

PageGeometry::Place DocumentSession::placeOf(int position) {
    if (position >= map().storyEnd()) {
        // Past the text: the pages of notes that follow it.
        PageGeometry::Place place;
        place.page = 1;
        for (int page = 1; page <= geometry().pageCount(); ++page) {
            if (pageStart(page) <= position) place.page = page;
        }
        return place;
    }
    const auto cursor = map().cursorAt(position);
    const auto view = viewCursor();
    // Building the geometry walks the pages with the view cursor: first.
    geometry();
    view->gotoRange(as_range(cursor), false);
    return geometry().placeOf(view->getPosition());
}

PageGeometry::Place DocumentSession::textPlaceOf(int position) {
    PageGeometry::Place place = placeOf(position);
    if (position >= map().storyEnd()) return place;
    try {
        place.y += hmm_to_points(roomAboveText(position, geometry().page(place.page)));
    } catch (const css::uno::Exception&) {
        // Nothing known about the line: its top.
    }
    return place;
}

double DocumentSession::roomAboveText(int position, const PageStyleInfo& page) {
    // The first characters of the line, with their fonts and their paragraph's spacing.
    const auto cursor = map().cursorOver(position, position + kSampleLength);
    static const css::uno::Sequence<rtl::OUString> names = [] {
        css::uno::Sequence<rtl::OUString> list(6);
        auto* out = list.getArray();
        out[0] = "ParaLineSpacing";
        out[1] = "SnapToGrid";
        out[2] = "CharFontName";
        out[3] = "CharHeight";
        out[4] = "CharFontNameAsian";
        out[5] = "CharHeightAsian";
        return list;
    }();
    const auto values =
        Reference<css::beans::XMultiPropertySet>(cursor, UNO_QUERY_THROW)->getPropertyValues(names);
    css::style::LineSpacing spacing;
    values[0] >>= spacing;
    bool snap = true;
    values[1] >>= snap;
    const bool grid = page.gridMode != 0 && snap && page.gridBase + page.gridRuby > 0;
    if (!grid && spacing.Mode != css::style::LineSpacingMode::MINIMUM) return 0;

    LineHeightProbe::Fonts fonts;
    rtl::OUString name;
    if (values[2] >>= name) fonts.western = utf8(name);
    if (values[4] >>= name) fonts.asian = utf8(name);
    values[3] >>= fonts.westernSize;
    values[5] >>= fonts.asianSize;
    if (!externalLeading_) {
        const Reference<css::lang::XMultiServiceFactory> factory(document_, UNO_QUERY_THROW);
        externalLeading_ = prop<bool>(props(factory->createInstance("com.sun.star.text.DocumentSettings")),
                                      "AddExternalLeading");
    }
    fonts.externalLeading = *externalLeading_;
    std::string sample = utf8(cursor->getString());
    if (sample.empty()) sample = "X";
    if (!probe_) probe_ = std::make_unique<LineHeightProbe>(context_);
    const int text = probe_->height(fonts, sample);
    if (text <= 0) return 0;
    if (grid) {
        // The line takes whole grid lines; the text is centred in them,
        // below the ruby room when that is above.
        const int pitch = page.gridBase + page.gridRuby;
        const int lines = (text + pitch - 1) / pitch;
        const int ruby = page.gridRubyBelow ? -page.gridRuby : page.gridRuby;
        return std::max(0, (lines * pitch - text + ruby) / 2);
    }
    // An at-least height taller than the text: the room is above it.
    return std::max(0, spacing.Height - text);
}

int DocumentSession::pageStart(int page) {
    const int count = geometry().pageCount();
    page = std::clamp(page, 1, count);
    while (static_cast<int>(pageStarts_.size()) < page) {
        pageStarts_.push_back(findPageStart(static_cast<int>(pageStarts_.size()) + 1));
    }
    return pageStarts_[static_cast<std::size_t>(page - 1)];
}

int DocumentSession::findPageStart(int page) {
    const int previous = page > 1 ? pageStarts_[static_cast<std::size_t>(page - 2)] : -1;
    PageGeometry& pages = geometry();
    if (!pages.hasText(page)) {
        // Only pictures: it starts just before the next page with text.
        exact_.push_back(false);
        for (int next = page + 1; next <= pages.pageCount(); ++next) {
            if (!pages.hasText(next)) continue;
            const auto start = map().findPosition(pages.startRange(next));
            if (start && *start - 1 > previous) return *start - 1;
            break;
        }
        return std::max(previous + 1, map().storyEnd());
    }
    // Where the view cursor stood at the page's start while the layout was
    // walked: counted on from the page before where the text allows it.
    std::optional<int> start;
    if (page > 1 && pages.hasText(page - 1) && exact_.back())
        start = map().advance(previous, pages.startRange(page - 1), pages.startRange(page));
    if (!start) start = map().findPosition(pages.startRange(page));
    if (!start && page == 1) {
        // The layout walk stood in a text box or frame of the first page
        // (a cover page): the main text starts on that page all the same.
        exact_.push_back(false);
        return 0;
    }
    exact_.push_back(start && *start > previous);
    if (exact_.back()) return *start;
    // A repeated table heading row (or a note, a frame) opens the page: the
    // page starts with the first main text after the previous page's start.
    const auto view = viewCursor();
    const Reference<css::text::XPageCursor> cursor(view, UNO_QUERY_THROW);
    cursor->jumpToPage(static_cast<sal_Int16>(pages.viewPage(page)));
    cursor->jumpToStartOfPage();
    const Reference<css::view::XViewCursor> lines(view, UNO_QUERY_THROW);
    for (int step = 0; step < 60; ++step) {
        if (!lines->goDown(1, false)) break;
        start = map().findPosition(view->getStart());
        if (start && *start > previous) {
            if (pages.placeOf(view->getPosition()).page != page) break;
            return *start;
        }
    }
    // Pages of notes after the text: positions past the story's end, one
    // per page, so that every page keeps a start of its own.
    return std::max(previous + 1, map().storyEnd());
}

const PageStyleInfo& DocumentSession::pageStyleAt(int position) {
    // The style of the page the position is drawn on (a paragraph's own page
    // style attribute names the style it starts, not the one it is on).
    PageGeometry& pages = geometry();
    if (position >= map().storyEnd()) return pages.page(pages.pageCount());
    const auto place = placeOf(position);
    return pages.page(place.page);
}

void DocumentSession::select(int start, int end) {
    // Page starts after the text stand for the pages of notes.
    const int last = std::max(map().storyEnd(), pageStarts_.empty() ? 0 : pageStarts_.back());
    story.reset();
    atLineEnd = false;
    mainText_.selection = word::TextSpan::clamped(start, end, last);
}

void DocumentSession::close() {
    if (!document_.is()) return;
    invalidate();
    probe_.reset();
    const Reference<css::util::XCloseable> closeable(document_, UNO_QUERY);
    document_.clear();
    mainText_.release();
    if (closeable.is()) closeable->close(true);
}

}  // namespace vane
