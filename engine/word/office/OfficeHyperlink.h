// One hyperlink on a stretch of text.
#pragma once

#include <memory>

#include "word/Hyperlink.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeHyperlink final : public word::Hyperlink {
public:
    OfficeHyperlink(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                    std::shared_ptr<OfficeStory> story, FoundLink link)
        : session_(std::move(session)),
          document_(std::move(document)),
          story_(std::move(story)),
          link_(std::move(link)) {}

    std::string address() override { return link_.address; }
    std::string subAddress() override { return link_.subAddress; }
    int type() override;
    std::unique_ptr<word::Range> range() override;
    std::unique_ptr<word::Shape> shape() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
    FoundLink link_;
};

}  // namespace vane
