// The application's selection: a range of one story that moves as a user's
// cursor would. The moving operations return how far they moved (units or
// characters, as the word processor counts them).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "word/PageSetup.h"
#include "word/Range.h"
#include "word/WordConstants.h"

namespace vane::word {

class Selection {
public:
    virtual ~Selection() = default;

    // Moves the selection to a target and returns the range reached, or null
    // when the word processor gives none. what: kGoToPage/Line/Heading/Bookmark;
    // which: kGoToFirst/Next/Previous (or kGoToAbsolute with `count`, 1-based);
    // name: the bookmark's name. Pages, lines and headings leave the selection
    // collapsed at the target's start; past the last one the last is reached
    // again. A bookmark selects its whole range; an unknown bookmark throws WordError.
    virtual std::unique_ptr<Range> goTo(int what, int which, std::optional<int> count,
                                        const std::string& name) = 0;

    std::unique_ptr<Range> goToFirst(int what) { return goTo(what, kGoToFirst, std::nullopt, {}); }
    std::unique_ptr<Range> goToNext(int what) { return goTo(what, kGoToNext, std::nullopt, {}); }
    std::unique_ptr<Range> goToPrevious(int what) { return goTo(what, kGoToPrevious, std::nullopt, {}); }
    std::unique_ptr<Range> goToPage(int page) { return goTo(kGoToPage, kGoToAbsolute, page, {}); }
    std::unique_ptr<Range> goToBookmark(const std::string& name) {
        return goTo(kGoToBookmark, kGoToFirst, std::nullopt, name);
    }

    // Moves (kMove: collapsed) or extends (kExtend) the start to the start of
    // the unit (kUnitParagraph, kUnitLine, kUnitStory) holding it.
    virtual int startOf(int unit, int extend) = 0;
    // The same with the end; the end of a paragraph lies after its mark.
    virtual int endOf(int unit, int extend) = 0;
    // Collapses the selection and moves it `count` units (negative: backwards);
    // a selection that is not collapsed collapses toward the move, which
    // counts as one unit.
    virtual int move(int unit, int count) = 0;
    // Moves only the start (the end follows when passed).
    virtual int moveStart(int unit, int count) = 0;
    // Moves only the end (the start follows when passed).
    virtual int moveEnd(int unit, int count) = 0;
    // kCollapseStart or kCollapseEnd.
    virtual void collapse(int direction) = 0;
    // Start (Home) or end (End) of the line (kUnitLine) or story (kUnitStory),
    // moving (kMove) or extending (kExtend). The end of a wrapped line is the
    // position where the next line starts, shown at this line's end.
    virtual int homeKey(int unit, int extend) = 0;
    virtual int endKey(int unit, int extend) = 0;

    // Information codes: kInfoActiveEndPageNumber (1-based page of the
    // selection's end, -1 when unknown), kInfoHorizontalPosition and
    // kInfoVerticalPosition (points from the page's left/top edge, of the
    // selection's start), kInfoWithInTable (kInfoTrue or kInfoFalse).
    virtual double information(int code) = 0;

    virtual std::unique_ptr<Range> range() = 0;
    virtual int start() = 0;
    // The page setup of the section the selection lies in.
    virtual std::unique_ptr<PageSetup> pageSetup() = 0;
};

}  // namespace vane::word
