// Range, Font and PageSetup of the fake word processor.
#include <algorithm>
#include <set>

#include "FakeObjects.h"

namespace vane::test::fakeword {

namespace {

using word::WordError;

class FakeFont : public word::Font {
public:
    FakeFont(SessionPtr s, float size) : s_(std::move(s)), size_(size) {}
    float size() override {
        s_->enter("Font.Size");
        return size_;
    }

private:
    SessionPtr s_;
    float size_;
};

class FakePageSetupObject : public word::PageSetup {
public:
    FakePageSetupObject(SessionPtr s, std::vector<FakePageSetup> setups)
        : s_(std::move(s)), setups_(std::move(setups)) {
        if (setups_.empty()) setups_.push_back({});
    }
    int orientation() override {
        s_->enter("PageSetup.Orientation");
        return static_cast<int>(
            pick([](const FakePageSetup& p) { return static_cast<float>(p.orientation); }));
    }
    float pageHeight() override { return value("PageSetup.PageHeight", &FakePageSetup::height); }
    float pageWidth() override { return value("PageSetup.PageWidth", &FakePageSetup::width); }
    float topMargin() override { return value("PageSetup.TopMargin", &FakePageSetup::topMargin); }
    float bottomMargin() override { return value("PageSetup.BottomMargin", &FakePageSetup::bottomMargin); }
    float leftMargin() override { return value("PageSetup.LeftMargin", &FakePageSetup::leftMargin); }
    float rightMargin() override { return value("PageSetup.RightMargin", &FakePageSetup::rightMargin); }
    bool differentFirstPageHeaderFooter() override {
        s_->enter("PageSetup.DifferentFirstPageHeaderFooter");
        return setups_.front().differentFirstPage;
    }
    bool oddAndEvenPagesHeaderFooter() override {
        s_->enter("PageSetup.OddAndEvenPagesHeaderFooter");
        return setups_.front().oddAndEven;
    }

private:
    template <typename F>
    float pick(F get) {
        float first = get(setups_.front());
        for (const auto& p : setups_) {
            if (get(p) != first) return static_cast<float>(word::kUndefined);
        }
        return first;
    }
    float value(const char* name, float FakePageSetup::*member) {
        s_->enter(name);
        return pick([member](const FakePageSetup& p) { return p.*member; });
    }
    SessionPtr s_;
    std::vector<FakePageSetup> setups_;
};

class FakeRange : public word::Range {
public:
    FakeRange(SessionPtr s, FakeDocument* doc, FakeStory* story, int start, int end)
        : s_(std::move(s)), doc_(doc), story_(story), start_(start), end_(end) {}

    std::string text() override {
        enter("Range.Text");
        return story_->textOf(start_, end_);
    }
    int start() override {
        enter("Range.Start");
        return start_;
    }
    int end() override {
        enter("Range.End");
        return end_;
    }
    int storyType() override {
        enter("Range.StoryType");
        if (story_ == &doc_->main()) return word::kMainTextStory;
        for (const auto& note : doc_->footnotes()) {
            if (note.get() == story_) return word::kFootnotesStory;
        }
        for (const auto& note : doc_->endnotes()) {
            if (note.get() == story_) return word::kEndnotesStory;
        }
        for (const auto& section : doc_->sections()) {
            for (const auto& [key, story] : section.headerFooters) {
                if (story.get() != story_) continue;
                static constexpr int kHeaders[] = {word::kPrimaryHeaderStory, word::kFirstPageHeaderStory,
                                                   word::kEvenPagesHeaderStory};
                static constexpr int kFooters[] = {word::kPrimaryFooterStory, word::kFirstPageFooterStory,
                                                   word::kEvenPagesFooterStory};
                return (key.first != 0 ? kHeaders : kFooters)[key.second - 1];
            }
        }
        return word::kTextFrameStory;
    }
    std::unique_ptr<word::Font> font() override {
        enter("Range.Font");
        const auto& lines = story_->lines();
        float size = 12;
        int first = story_->lineAt(start_);
        int last = story_->lineAt(std::max(start_, end_ - 1));
        if (first >= 0) {
            size = lines[static_cast<size_t>(first)].fontSize;
            for (int i = first; i <= last; ++i) {
                if (lines[static_cast<size_t>(i)].fontSize != size)
                    size = static_cast<float>(word::kUndefined);
            }
        }
        return std::make_unique<FakeFont>(s_, size);
    }
    std::unique_ptr<word::Paragraphs> paragraphs() override {
        enter("Range.Paragraphs");
        if (story_->paragraphs().empty()) return make_paragraphs(s_, doc_, story_, 0, -1);
        return make_paragraphs(s_, doc_, story_, story_->paragraphAt(start_),
                               story_->paragraphAt(std::max(start_, end_ - 1)));
    }
    std::unique_ptr<word::Sections> sections() override {
        enter("Range.Sections");
        return make_sections(s_, doc_, sections_of(*doc_, *story_, start_, end_));
    }
    std::unique_ptr<word::Hyperlinks> hyperlinks() override {
        enter("Range.Hyperlinks");
        std::vector<int> inside;
        const auto& links = story_->hyperlinks();
        for (size_t i = 0; i < links.size(); ++i) {
            if (links[i].shape == 0 && links[i].start >= start_ && links[i].end <= end_) {
                inside.push_back(static_cast<int>(i));
            }
        }
        return make_hyperlinks(s_, doc_, story_, inside);
    }
    std::unique_ptr<word::Fields> fields() override {
        enter("Range.Fields");
        return make_story_fields(s_, doc_, story_, start_, end_);
    }
    std::unique_ptr<word::Style> style() override {
        enter("Range.Style");
        const auto& paras = story_->paragraphs();
        if (paras.empty()) return nullptr;
        int first = story_->paragraphAt(start_);
        int last = story_->paragraphAt(std::max(start_, end_ - 1));
        const std::string& name = paras[static_cast<size_t>(first)].style;
        for (int i = first; i <= last; ++i) {
            if (paras[static_cast<size_t>(i)].style != name) return nullptr;
        }
        return make_style(s_, doc_, name);
    }
    std::unique_ptr<word::PageSetup> pageSetup() override {
        enter("Range.PageSetup");
        return make_page_setup(s_, setups_of(*doc_, sections_of(*doc_, *story_, start_, end_)));
    }
    void select() override {
        enter("Range.Select");
        s_->selection = {story_, start_, end_, false};
    }

private:
    void enter(const char* name) { s_->enterDocument(doc_, name); }
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    int start_;
    int end_;
};

}  // namespace

std::unique_ptr<word::Range> make_range(const SessionPtr& s, FakeDocument* doc, FakeStory* story, int start,
                                        int end) {
    return std::make_unique<FakeRange>(s, doc, story, start, end);
}

std::unique_ptr<word::PageSetup> make_page_setup(const SessionPtr& s, std::vector<FakePageSetup> setups) {
    return std::make_unique<FakePageSetupObject>(s, std::move(setups));
}

std::vector<int> sections_of(const FakeDocument& doc, const FakeStory& story, int start, int end) {
    std::set<int> found;
    const auto& lines = story.lines();
    int first = story.lineAt(start);
    int last = story.lineAt(std::max(start, end - 1));
    if (first >= 0) {
        for (int i = first; i <= last; ++i) {
            int section = doc.sectionOfPage(lines[static_cast<size_t>(i)].page);
            if (section > 0) found.insert(section);
        }
    } else if (doc.sectionOfPage(story.currentPage()) > 0) {
        found.insert(doc.sectionOfPage(story.currentPage()));
    }
    return {found.begin(), found.end()};
}

std::vector<FakePageSetup> setups_of(const FakeDocument& doc, const std::vector<int>& sections) {
    std::vector<FakePageSetup> setups;
    for (int section : sections) setups.push_back(doc.sectionAt(section).setup);
    return setups;
}

}  // namespace vane::test::fakeword
