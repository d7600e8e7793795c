// The selection of a document, kept as two linear positions; the office's
// view cursor is moved there only to read layout (lines, pages, positions).
#pragma once

#include <memory>

#include "word/Selection.h"
#include "word/office/OfficeSession.h"

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
    std::unique_ptr<word::Range> rangeOf(int start, int end) const;
    std::unique_ptr<word::Range> goToPage(int which, std::optional<int> count);
    std::unique_ptr<word::Range> goToLine(int which, std::optional<int> count);
    std::unique_ptr<word::Range> goToHeading(int which);
    std::unique_ptr<word::Range> goToBookmark(const std::string& name);
    // Start of the line holding `position` (or its end, where the next line starts).
    int lineEdge(int position, bool end);
    // The paragraph start reached by moving `count` paragraphs from `position`.
    int paragraphStep(int position, int count, int& moved);

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
};

}  // namespace vane
