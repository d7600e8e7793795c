// Sections as the office lays them out: runs of pages sharing a page style.
#pragma once

#include <vector>

#include "word/Sections.h"
#include "word/office/OfficeSession.h"
#include "word/office/PageGeometry.h"

namespace vane {

class OfficeSections final : public word::Sections {
public:
    OfficeSections(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                   std::vector<PageStyleInfo> styles)
        : session_(std::move(session)), document_(std::move(document)), styles_(std::move(styles)) {}
    int count() override { return static_cast<int>(styles_.size()); }
    std::unique_ptr<word::Section> item(int index) override;
    std::unique_ptr<word::Section> first() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::vector<PageStyleInfo> styles_;
};

}  // namespace vane
