// The selection while it lies in a story of its own (a footnote, a header or
// footer, a text box): positions of that story, layout read from where the
// office draws it.
#pragma once

#include <memory>

#include "word/Selection.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeStorySelection final : public word::Selection {
public:
    OfficeStorySelection(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
        : session_(std::move(session)), document_(std::move(document)) {}

    std::unique_ptr<word::Range> goTo(int what, int which, std::optional<int> count,
                                      const std::string& name) override;
    int startOf(int unit, int extend) override;
    int endOf(int unit, int extend) override;
    int move(int unit, int count) override;
    int moveStart(int unit, int count) override;
    int moveEnd(int unit, int count) override;
    void collapse(int direction) override;
    int homeKey(int unit, int extend) override;
    int endKey(int unit, int extend) override;
    double information(int code) override;
    std::unique_ptr<word::Range> range() override;
    int start() override;
    std::unique_ptr<word::PageSetup> pageSetup() override;

private:
    OfficeStory& story() const;
    // Sets the selection, [start, end) clamped to the story.
    void set(int start, int end, bool atLineEnd = false);
    int paragraphStart(int position);
    int paragraphEnd(int position);

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
};

}  // namespace vane
