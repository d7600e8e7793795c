// The headers (or the footers) of a section: the texts of its page style.
#pragma once

#include <memory>
#include <string>

#include "word/HeadersFooters.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeHeadersFooters final : public word::HeadersFooters {
public:
    OfficeHeadersFooters(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                         std::string pageStyle, std::string firstPageStyle, bool headers)
        : session_(std::move(session)),
          document_(std::move(document)),
          pageStyle_(std::move(pageStyle)),
          firstPageStyle_(std::move(firstPageStyle)),
          headers_(headers) {}

    // A header or footer that is not switched on (or shares the primary
    // text) is an empty story, as the word processor gives it.
    std::unique_ptr<word::HeaderFooter> item(int index) override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::string pageStyle_;
    std::string firstPageStyle_;  // the first page's style of its own, if any
    bool headers_;
};

}  // namespace vane
