// One document loaded in the office, shared by every object handed out for
// it: the model, the selection (as linear positions), the position map and
// the page geometry (both built on first use and dropped when the document
// changes or before it is saved).
#pragma once

#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "word/office/LineHeightProbe.h"
#include "word/office/OfficeStory.h"
#include "word/office/PageGeometry.h"
#include "word/office/ParagraphMap.h"

namespace vane {

class DocumentSession {
public:
    DocumentSession(const css::uno::Reference<css::text::XTextDocument>& document,
                    const css::uno::Reference<css::uno::XComponentContext>& context);
    ~DocumentSession();
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    const css::uno::Reference<css::text::XTextDocument>& document() const { return document_; }
    const css::uno::Reference<css::uno::XComponentContext>& context() const { return context_; }
    css::uno::Reference<css::frame::XModel> model() const;

    // The main text, with its paragraph map and the selection while it lies there.
    OfficeStory& mainText() { return mainText_; }
    // The main text's map.
    ParagraphMap& map();
    PageGeometry& geometry();
    css::uno::Reference<css::text::XTextViewCursor> viewCursor();

    // The content changed: positions and pages are read again on next use.
    void invalidate();
    // Lets go of every text range held (their presence spoils the HTML export).
    void release() { invalidate(); }

    // Where the character at `position` is drawn.
    PageGeometry::Place placeOf(int position);
    // Where the text of the line at `position` begins: the line's top moved
    // down by the room the office leaves above the text (an at-least line
    // height taller than the text, the lines of a page grid).
    PageGeometry::Place textPlaceOf(int position);
    // The position at which page `page` starts (1-based, clamped to the pages).
    int pageStart(int page);
    // The page style in effect at `position`.
    const PageStyleInfo& pageStyleAt(int position);

    // Puts the selection into the main text at [start, end).
    void select(int start, int end);
    // The selection lies in this story instead of the main text (null: main text).
    std::shared_ptr<OfficeStory> story;
    // A collapsed selection at a wrap point, shown at the end of the line before.
    bool atLineEnd = false;
    // The hyperlinked table-of-contents entries [start, end) of the main text,
    // noted when the fields are read. A selection whose end grows over an
    // entry's end takes in the whole entry, as it would take in a whole field.
    std::vector<std::pair<int, int>> tocEntrySpans;

    // The office's lock file for the loaded file. An office that is killed
    // leaves it beside the file: it is removed when the document goes.
    std::string lockFile;

    bool closed() const { return !document_.is(); }
    // Closes the document without saving.
    void close();

private:
    static void hideCommentMargin(const css::uno::Reference<css::frame::XController>& controller);
    static constexpr int kSampleLength = 12;  // characters laid out to learn a line's text height
    int findPageStart(int page);
    // The room above the text in the line at `position` on `page`, 1/100 mm.
    double roomAboveText(int position, const PageStyleInfo& page);

    css::uno::Reference<css::text::XTextDocument> document_;
    css::uno::Reference<css::uno::XComponentContext> context_;
    OfficeStory mainText_;
    std::unique_ptr<PageGeometry> geometry_;
    css::uno::Reference<css::text::XTextViewCursor> viewCursor_;
    std::unique_ptr<LineHeightProbe> probe_;
    std::optional<bool> externalLeading_;
    std::vector<int> pageStarts_;  // found so far, page 1 first
    std::vector<bool> exact_;      // the page's start is where the view cursor stood
};

}  // namespace vane
