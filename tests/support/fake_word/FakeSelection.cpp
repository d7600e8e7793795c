// The fake selection: go-to, movement by character/line/paragraph/story and
// the position information, computed from the story's laid-out lines.
#include <algorithm>
#include <vector>

#include "FakeObjects.h"

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
        int target = unitStart(unit, sel.start, sel.start == sel.end && sel.atLineEnd);
        int moved = sel.start - target;
        set(target, extend == word::kExtend ? sel.end : target);
        return moved;
    }

    int endOf(int unit, int extend) override {
        enter("Selection.EndOf");
        auto& sel = s_->selection;
        int from = sel.end > sel.start ? sel.end - 1 : sel.end;
        bool lineEnd = false;
        int target = unitEnd(unit, from, sel.start == sel.end && sel.atLineEnd, lineEnd);
        if (extend != word::kExtend) target = std::min(target, maxCaret());
        int moved = target - sel.end;
        if (extend == word::kExtend) {
            set(std::min(sel.start, target), std::max(target, sel.start));
        } else {
            set(target, target);
            s_->selection.atLineEnd = lineEnd;
        }
        return moved;
    }

    int move(int unit, int count) override {
        enter("Selection.Move");
        auto& sel = s_->selection;
        if (count == 0) return 0;
        int pos;
        int done = 0;
        if (sel.start != sel.end) {
            pos = count > 0 ? sel.end : sel.start;
            count += count > 0 ? -1 : 1;
            done = count > 0 ? 1 : -1;
        } else {
            pos = sel.start;
        }
        bool atLineEnd = sel.atLineEnd && sel.start == sel.end;
        int steps = 0;
        pos = step(unit, pos, count, atLineEnd, steps);
        pos = std::clamp(pos, 0, maxCaret());
        set(pos, pos);
        return done + steps;
    }

    int moveStart(int unit, int count) override {
        enter("Selection.MoveStart");
        auto& sel = s_->selection;
        int steps = 0;
        int pos = std::clamp(step(unit, sel.start, count, false, steps), 0, length());
        set(pos, std::max(pos, sel.end));
        return steps;
    }

    int moveEnd(int unit, int count) override {
        enter("Selection.MoveEnd");
        auto& sel = s_->selection;
        int steps = 0;
        int pos = std::clamp(step(unit, sel.end, count, false, steps), 0, length());
        set(std::min(pos, sel.start), pos);
        return steps;
    }

    void collapse(int direction) override {
        enter("Selection.Collapse");
        auto& sel = s_->selection;
        bool keep = sel.atLineEnd;
        if (direction == word::kCollapseStart) {
            set(sel.start, sel.start);
        } else {
            set(sel.end, sel.end);
            s_->selection.atLineEnd = keep;
        }
    }

    int homeKey(int unit, int extend) override {
        enter("Selection.HomeKey");
        auto& sel = s_->selection;
        int target =
            unit == word::kUnitStory ? 0 : unitStart(word::kUnitLine, sel.start, collapsedAtLineEnd());
        int moved = sel.start - target;
        set(target, extend == word::kExtend ? std::max(sel.end, target) : target);
        return moved;
    }

    int endKey(int unit, int extend) override {
        enter("Selection.EndKey");
        auto& sel = s_->selection;
        bool lineEnd = false;
        int target;
        if (unit == word::kUnitStory) {
            target = maxCaret();
        } else {
            int from = sel.end > sel.start ? sel.end - 1 : sel.end;
            target = unitEnd(word::kUnitLine, from, collapsedAtLineEnd(), lineEnd);
        }
        int moved = target - sel.end;
        if (extend == word::kExtend) {
            set(std::min(sel.start, target), target);
        } else {
            set(target, target);
        }
        s_->selection.atLineEnd = lineEnd && s_->selection.start == s_->selection.end;
        return moved;
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

    int unitStart(int unit, int pos, bool atLineEnd) {
        if (unit == word::kUnitParagraph) {
            int p = story().paragraphAt(pos);
            return p < 0 ? 0 : story().paragraphs()[static_cast<size_t>(p)].start;
        }
        if (unit == word::kUnitLine) {
            int line = lineOf(pos, atLineEnd);
            return line < 0 ? 0 : story().lines()[static_cast<size_t>(line)].start;
        }
        if (unit == word::kUnitStory) return 0;
        throw WordError("Bad parameter.");
    }

    int unitEnd(int unit, int pos, bool atLineEnd, bool& lineEnd) {
        lineEnd = false;
        if (unit == word::kUnitParagraph) {
            int p = story().paragraphAt(pos);
            return p < 0 ? length() : story().paragraphs()[static_cast<size_t>(p)].end;
        }
        if (unit == word::kUnitLine) {
            int line = lineOf(pos, atLineEnd);
            if (line < 0) return maxCaret();
            int end = story().lineEnd(line);
            const FakeLine& l = story().lines()[static_cast<size_t>(line)];
            lineEnd = end == l.start + l.length && static_cast<size_t>(line) + 1 < story().lines().size();
            return end;
        }
        if (unit == word::kUnitStory) return length();
        throw WordError("Bad parameter.");
    }

    // Moves `pos` by `count` units; `steps` receives the units actually moved.
    int step(int unit, int pos, int count, bool atLineEnd, int& steps) {
        steps = 0;
        int dir = count > 0 ? 1 : -1;
        for (int i = 0; i != count; i += dir) {
            int next = pos;
            if (unit == word::kUnitCharacter) {
                next = pos + dir;
                if (next < 0 || next > length()) break;
            } else if (unit == word::kUnitParagraph) {
                const auto& paras = story().paragraphs();
                if (paras.empty()) break;
                int p = story().paragraphAt(pos);
                if (dir > 0) {
                    next = paras[static_cast<size_t>(p)].end;
                    if (next > length() || (next == length() && pos == next)) break;
                } else {
                    next = pos > paras[static_cast<size_t>(p)].start ? paras[static_cast<size_t>(p)].start
                           : p > 0                                   ? paras[static_cast<size_t>(p - 1)].start
                                                                     : -1;
                    if (next < 0) break;
                }
            } else if (unit == word::kUnitLine) {
                int line = lineOf(pos, atLineEnd) + dir;
                atLineEnd = false;
                if (line < 0 || line >= static_cast<int>(story().lines().size())) break;
                next = story().lines()[static_cast<size_t>(line)].start;
            } else if (unit == word::kUnitStory) {
                next = dir > 0 ? length() : 0;
                if (next == pos) break;
            } else {
                throw WordError("Bad parameter.");
            }
            pos = next;
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
