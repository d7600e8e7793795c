// The application's selection as handed out: the main text's selection, or
// the selection inside a story of its own while a range of one (a footnote,
// header or footer, text box) is selected. Adds the line moves of the main
// text and the place of a selection left at the end of a wrapped line (by
// the end key, or by moving forward onto the wrap point).
#pragma once

#include <memory>

#include "word/Selection.h"
#include "word/office/OfficeSelection.h"
#include "word/office/OfficeStorySelection.h"

namespace vane {

class OfficeSelectionSwitch final : public word::Selection {
public:
    OfficeSelectionSwitch(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
        : document_(document), main_(session, document), story_(session, document) {}

    std::unique_ptr<word::Range> goTo(int what, int which, std::optional<int> count,
                                      const std::string& name) override {
        return main_.goTo(what, which, count, name);
    }
    int startOf(int unit, int extend) override { return active().startOf(unit, extend); }
    int endOf(int unit, int extend) override { return active().endOf(unit, extend); }
    int move(int unit, int count) override;
    int moveStart(int unit, int count) override { return active().moveStart(unit, count); }
    int moveEnd(int unit, int count) override { return active().moveEnd(unit, count); }
    void collapse(int direction) override;
    int homeKey(int unit, int extend) override;
    int endKey(int unit, int extend) override;
    double information(int code) override;
    std::unique_ptr<word::Range> range() override { return active().range(); }
    int start() override { return active().start(); }
    std::unique_ptr<word::PageSetup> pageSetup() override { return active().pageSetup(); }

private:
    bool inStory() const { return document_->story != nullptr; }
    bool collapsedAtLineEnd() const {
        return document_->atLineEnd && document_->selectionStart == document_->selectionEnd;
    }
    word::Selection& active() { return inStory() ? static_cast<word::Selection&>(story_) : main_; }

    std::shared_ptr<DocumentSession> document_;
    OfficeSelection main_;
    OfficeStorySelection story_;
};

}  // namespace vane
