// The fake selection: go-to, the position information and the moves by
// line, computed from the story's laid-out lines; the moves by character,
// paragraph and story follow the shared selection rules.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "FakeObjects.h"
#include "word/SelectionRules.h"

namespace vane::test::fakeword {

namespace {

using word::WordError;

class FakeSelection : public word::Selection {
public:
    explicit FakeSelection(SessionPtr s) : s_(std::move(s)) {}

    std::unique_ptr<word::Range> goTo(int what, int which, std::optional<int> count,
                                      const std::string& name) override {
        enter("Selection.GoTo " + std::to_string(what) + " " + std::to_string(which));
        FakeDocument& doc = *s_->active;
        FakeStory& main = doc.main();
        auto& sel = s_->selection;
        if (what == word::kGoToBookmark) {
            auto it = doc.bookmarks().find(name);
            if (it == doc.bookmarks().end()) throw WordError("This bookmark does not exist.");
            sel = {&main, it->second.first, it->second.second, false};
            return make_range(s_, &doc, &main, sel.start, sel.end);
        }
        // The targets, as start positions in document order.
        std::vector<int> starts;
        if (what == word::kGoToPage) {
            for (int p = 1; p <= doc.pageCount(); ++p) starts.push_back(doc.pageStart(p));
        } else if (what == word::kGoToLine) {
            for (const auto& l : main.lines()) starts.push_back(l.start);
        } else if (what == word::kGoToHeading) {
            for (const auto& p : main.paragraphs()) {
                const int level = doc.outlineLevelOf(p);
                if (level >= 1 && level <= 9) {
                    starts.push_back(p.start);
                }
            }
        } else {
            throw WordError("The requested member of the collection does not exist.");
        }
        if (starts.empty()) return nullptr;
        int last = static_cast<int>(starts.size()) - 1;
        int here = sel.story == &main ? sel.start : 0;
        // Index of the target holding the selection (for pages and lines), or the last one before it.
        int current = -1;
        for (int i = 0; i <= last; ++i) {
            if (starts[static_cast<size_t>(i)] <= here) current = i;
        }
        int n = count.value_or(1);
        int target = 0;
        if (which == word::kGoToFirst) {
            target = count ? n - 1 : 0;
        } else if (which == word::kGoToLast) {
            target = last;
        } else if (which == word::kGoToNext) {
            if (what == word::kGoToHeading) {
                // The next heading starting after the selection's start.
                target = current + n;
            } else {
                target = std::max(current, 0) + n;
            }
        } else if (which == word::kGoToPrevious) {
            if (what == word::kGoToHeading && current >= 0 && starts[static_cast<size_t>(current)] < here) {
                target = current - (n - 1);
            } else {
                target = current - n;
            }
        } else {
            throw WordError("Bad parameter.");
        }
        target = std::clamp(target, 0, last);
        int pos = starts[static_cast<size_t>(target)];
        sel = {&main, pos, pos, false};
        return make_range(s_, &doc, &main, pos, pos);
    }

    int startOf(int unit, int extend) override {
        enter("Selection.StartOf");
        auto& sel = s_->selection;
        if (unit == word::kUnitLine) {
            const int target = lineStart(sel.start, sel.start == sel.end && sel.atLineEnd);
            return withRules([&](word::SelectionRules& rules) { return rules.startAt(target, extend); });
        }
        return withRules([&](word::SelectionRules& rules) { return rules.startOf(unit, extend); });
    }

    int endOf(int unit, int extend) override {
        enter("Selection.EndOf");
        if (unit != word::kUnitLine) {
            return withRules([&](word::SelectionRules& rules) { return rules.endOf(unit, extend); });
        }
        return toLineEnd(extend, false);
    }

    int move(int unit, int count) override {
        enter("Selection.Move");
        if (unit != word::kUnitLine) {
            return withRules([&](word::SelectionRules& rules) { return rules.move(unit, count); });
        }
        auto& sel = s_->selection;
        if (count == 0) return 0;
        int pos;
        int done = 0;
        if (sel.start != sel.end) {
            // Collapsing toward the move counts as one line.
            pos = count > 0 ? sel.end : sel.start;
            done = count > 0 ? 1 : -1;
            count -= done;
        } else {
            pos = sel.start;
        }
        int steps = 0;
        pos = lineStep(pos, count, sel.atLineEnd && sel.start == sel.end, steps);
        pos = std::clamp(pos, 0, maxCaret());
        set(pos, pos);
        return done + steps;
    }

    int moveStart(int unit, int count) override {
        enter("Selection.MoveStart");
        if (unit != word::kUnitLine) {
            return withRules([&](word::SelectionRules& rules) { return rules.moveStart(unit, count); });
        }
        return moveEdgeByLines(false, count);
    }

    int moveEnd(int unit, int count) override {
        enter("Selection.MoveEnd");
        if (unit != word::kUnitLine) {
            return withRules([&](word::SelectionRules& rules) { return rules.moveEnd(unit, count); });
        }
        return moveEdgeByLines(true, count);
    }

    void collapse(int direction) override {
        enter("Selection.Collapse");
        bool keep = s_->selection.atLineEnd;
        withRules([&](word::SelectionRules& rules) {
            rules.collapse(direction);
            return 0;
        });
        if (direction == word::kCollapseEnd) s_->selection.atLineEnd = keep;
    }

    int homeKey(int unit, int extend) override {
        enter("Selection.HomeKey");
        const int target = unit == word::kUnitStory ? 0 : lineStart(s_->selection.start, collapsedAtLineEnd());
        return withRules([&](word::SelectionRules& rules) { return rules.startAt(target, extend); });
    }

    int endKey(int unit, int extend) override {
        enter("Selection.EndKey");
        if (unit == word::kUnitStory) {
            return withRules([&](word::SelectionRules& rules) { return rules.endAt(maxCaret(), extend); });
        }
        return toLineEnd(extend, true);
    }

    double information(int code) override {
        enter("Selection.Information");
        auto& sel = s_->selection;
        FakeStory& story = *sel.story;
        switch (code) {
            case word::kInfoActiveEndPageNumber: {
                int line = lineOf(sel.end > sel.start ? sel.end - 1 : sel.end, collapsedAtLineEnd());
                if (line < 0) return story.currentPage() > 0 ? story.currentPage() : -1;
                int page = story.lines()[static_cast<size_t>(line)].page;
                return page > 0 ? page : -1;
            }
            case word::kInfoHorizontalPosition:
            case word::kInfoVerticalPosition: {
                int line = lineOf(sel.start, collapsedAtLineEnd());
                if (line < 0) return -1;
                const FakeLine& l = story.lines()[static_cast<size_t>(line)];
                if (code == word::kInfoVerticalPosition) return l.top;
                return l.left + static_cast<float>(sel.start - l.start) * l.charWidth;
            }
            case word::kInfoWithInTable: {
                int p = story.paragraphAt(sel.start);
                bool in = p >= 0 && story.paragraphs()[static_cast<size_t>(p)].inTable;
                return in ? word::kInfoTrue : word::kInfoFalse;
            }
            default:
                throw WordError("The requested information is not available.");
        }
    }

    std::unique_ptr<word::Range> range() override {
        enter("Selection.Range");
        return make_range(s_, s_->active, s_->selection.story, s_->selection.start, s_->selection.end);
    }

    int start() override {
        enter("Selection.Start");
        return s_->selection.start;
    }

    std::unique_ptr<word::PageSetup> pageSetup() override {
        enter("Selection.PageSetup");
        auto& sel = s_->selection;
        return make_page_setup(
            s_, setups_of(*s_->active, sections_of(*s_->active, *sel.story, sel.start, sel.start)));
    }

private:
    void enter(const std::string& name) {
        s_->enter(name);
        if (s_->active == nullptr || s_->open.count(s_->active) == 0 || s_->selection.story == nullptr) {
            throw WordError("This command is not available because no document is open.");
        }
    }
    FakeStory& story() { return *s_->selection.story; }
    int length() { return story().length(); }
    int maxCaret() { return std::max(length() - 1, 0); }
    bool collapsedAtLineEnd() { return s_->selection.atLineEnd && s_->selection.start == s_->selection.end; }
    void set(int start, int end) { s_->selection = {s_->selection.story, start, end, false}; }

    // The line holding `pos`; a wrap point shown at a line's end belongs to that line.
    int lineOf(int pos, bool atLineEnd) {
        int line = story().lineAt(pos);
        if (atLineEnd && line > 0 && story().lines()[static_cast<size_t>(line)].start == pos) --line;
        return line;
    }

    // Runs one of the shared selection rules on this story and keeps the result.
    template <typename Rule>
    int withRules(Rule rule) {
        auto& sel = s_->selection;
        const word::StoryParagraphs paragraphs = story().paragraphMap();
        word::TextSpan span{sel.start, sel.end};
        word::SelectionRules rules(paragraphs, span);
        int moved = 0;
        try {
            moved = rule(rules);
        } catch (const std::invalid_argument&) {
            throw WordError("Bad parameter.");
        }
        set(span.start, span.end);
        return moved;
    }

    int lineStart(int pos, bool atLineEnd) {
        int line = lineOf(pos, atLineEnd);
        return line < 0 ? 0 : story().lines()[static_cast<size_t>(line)].start;
    }

    // The end of the selection to the end of its line (the end key from a
    // caret already shown at its line's end stays there).
    int toLineEnd(int extend, bool key) {
        auto& sel = s_->selection;
        const int from = sel.end > sel.start ? sel.end - 1 : sel.end;
        bool lineEnd = false;
        int target = maxCaret();
        const int line = lineOf(from, collapsedAtLineEnd());
        if (line >= 0) {
            target = story().lineEnd(line);
            const FakeLine& l = story().lines()[static_cast<size_t>(line)];
            lineEnd = target == l.start + l.length && static_cast<size_t>(line) + 1 < story().lines().size();
        }
        if (!key && extend != word::kExtend) target = std::min(target, maxCaret());
        const int moved = target - sel.end;
        if (extend == word::kExtend) {
            set(std::min(sel.start, target), std::max(target, sel.start));
        } else {
            set(target, target);
        }
        s_->selection.atLineEnd = lineEnd && s_->selection.start == s_->selection.end;
        return moved;
    }

    // Moves one edge by `count` laid-out lines; the other follows where they would cross.
    int moveEdgeByLines(bool end, int count) {
        auto& sel = s_->selection;
        int steps = 0;
        const int pos = std::clamp(lineStep(end ? sel.end : sel.start, count, false, steps), 0, length());
        if (end) {
            set(std::min(pos, sel.start), pos);
        } else {
            set(pos, std::max(pos, sel.end));
        }
        return steps;
    }

    // Moves `pos` by `count` laid-out lines; `steps` receives the lines actually moved.
    int lineStep(int pos, int count, bool atLineEnd, int& steps) {
        steps = 0;
        int dir = count > 0 ? 1 : -1;
        for (int i = 0; i != count; i += dir) {
            int line = lineOf(pos, atLineEnd) + dir;
            atLineEnd = false;
            if (line < 0 || line >= static_cast<int>(story().lines().size())) break;
            pos = story().lines()[static_cast<size_t>(line)].start;
            steps += dir;
        }
        return pos;
    }

    SessionPtr s_;
};

}  // namespace

std::unique_ptr<word::Selection> make_selection(const SessionPtr& s) {
    return std::make_unique<FakeSelection>(s);
}

}  // namespace vane::test::fakeword
