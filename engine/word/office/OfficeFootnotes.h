// The footnotes (or the endnotes) of a document in document order.
#pragma once

#include <memory>

#include "word/Footnotes.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeFootnotes final : public word::Footnotes {
public:
    OfficeFootnotes(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                    bool endnotes);

    int count() override;
    std::unique_ptr<word::Footnote> item(int index) override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    bool endnotes_;
};

}  // namespace vane
