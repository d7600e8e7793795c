// The application's selection, in the main text or in a story of its own (a
// footnote, a header or footer, a text box): two linear positions of that
// story, moved by the shared selection rules. The office's view cursor is
// moved there only to read layout (lines, pages, positions).
#pragma once

#include <memory>

#include "word/Selection.h"
#include "word/SelectionRules.h"
#include "word/office/LineWalker.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeSelection final : public word::Selection {
public:
    OfficeSelection(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
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
    DocumentSession& open() const;
    // The story the selection lies in (null: the main text), its map and span.
    OfficeStory* story() const { return document_->story.get(); }
    ParagraphMap& map() const;
    word::TextSpan span() const;
    // Sets the selection in its story; `atLineEnd`: a caret shown at the end of the line before.
    void set(const word::TextSpan& span, bool atLineEnd = false);
    bool collapsedAtLineEnd() const;
    LineWalker walker() const { return LineWalker(*document_, map()); }
    // Runs one of the shared rules on the selection and keeps its result.
    template <typename Rule>
    int apply(Rule rule);
    // Moves by laid-out lines, as the office's view cursor steps them.
    int moveLines(int count);
    // Where a position of the selection's story is drawn.
    PageGeometry::Place place(int position);
    std::unique_ptr<word::Range> rangeOf(int start, int end) const;
    std::unique_ptr<word::Range> goToPage(int which, std::optional<int> count);
    std::unique_ptr<word::Range> goToLine(int which, std::optional<int> count);
    std::unique_ptr<word::Range> goToHeading(int which);
    std::unique_ptr<word::Range> goToBookmark(const std::string& name);

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
};

}  // namespace vane
