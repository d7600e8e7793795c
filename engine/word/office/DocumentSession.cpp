#include "word/office/DocumentSession.h"

#include <algorithm>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
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
    : document_(document), context_(context) {}

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
    if (!map_) {
        if (!document_.is()) throw std::runtime_error("the document is closed");
        map_ = std::make_unique<ParagraphMap>(document_);
    }
    return *map_;
}

Reference<css::text::XTextViewCursor> DocumentSession::viewCursor() {
    if (!viewCursor_.is()) {
        const Reference<css::text::XTextViewCursorSupplier> supplier(model()->getCurrentController(),
                                                                     UNO_QUERY_THROW);
        viewCursor_ = supplier->getViewCursor();
        if (!viewCursor_.is()) throw std::runtime_error("the document has no view");
    }
    return viewCursor_;
}

PageGeometry& DocumentSession::geometry() {
    if (!geometry_) geometry_ = std::make_unique<PageGeometry>(model(), viewCursor());
    return *geometry_;
}

void DocumentSession::invalidate() {
    map_.reset();
    geometry_.reset();
    viewCursor_.clear();
    pageStarts_.clear();
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
    const auto view = viewCursor();
    const Reference<css::text::XPageCursor> pages(view, UNO_QUERY_THROW);
    if (!geometry().hasText(page)) {
        // Only pictures: it starts just before the next page with text.
        for (int next = page + 1; next <= geometry().pageCount(); ++next) {
            if (!geometry().hasText(next)) continue;
            pages->jumpToPage(static_cast<sal_Int16>(geometry().viewPage(next)));
            pages->jumpToStartOfPage();
            const auto start = map().findPosition(view->getStart());
            if (start && *start - 1 > previous) return *start - 1;
            break;
        }
        return std::max(previous + 1, map().storyEnd());
    }
    pages->jumpToPage(static_cast<sal_Int16>(geometry().viewPage(page)));
    pages->jumpToStartOfPage();
    auto start = map().findPosition(view->getStart());
    if (start && *start > previous) return *start;
    // A repeated table heading row (or a note, a frame) opens the page: the
    // page starts with the first main text after the previous page's start.
    const Reference<css::view::XViewCursor> lines(view, UNO_QUERY_THROW);
    for (int step = 0; step < 60; ++step) {
        if (!lines->goDown(1, false)) break;
        start = map().findPosition(view->getStart());
        if (start && *start > previous) {
            if (geometry().placeOf(view->getPosition()).page != page) break;
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
    selectionStart = std::clamp(start, 0, last);
    selectionEnd = std::clamp(end, selectionStart, last);
}

void DocumentSession::close() {
    if (!document_.is()) return;
    invalidate();
    const Reference<css::util::XCloseable> closeable(document_, UNO_QUERY);
    document_.clear();
    if (closeable.is()) closeable->close(true);
}

}  // namespace vane
