// Hyperlinks of the main text or of a story of its own, in text order.
#pragma once

#include <memory>
#include <vector>

#include "word/Hyperlinks.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeHyperlinks final : public word::Hyperlinks {
public:
    // `story` null: the links are in the main text.
    OfficeHyperlinks(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                     std::shared_ptr<OfficeStory> story, std::vector<FoundLink> links)
        : session_(std::move(session)),
          document_(std::move(document)),
          story_(std::move(story)),
          links_(std::move(links)) {}

    // The links of the main text that overlap [start, end).
    static std::unique_ptr<word::Hyperlinks> ofMainText(std::shared_ptr<OfficeSession> session,
                                                        std::shared_ptr<DocumentSession> document, int start,
                                                        int end);

    int count() override { return static_cast<int>(links_.size()); }
    std::unique_ptr<word::Hyperlink> item(int index) override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
    std::vector<FoundLink> links_;
};

}  // namespace vane
