// The floating shapes of the main text, in draw-page order. A text box the
// office keeps twice (a text frame and a shape showing it) counts once;
// shapes anchored outside the main text (headers, footers) are not listed.
#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <memory>
#include <vector>

#include "word/Shapes.h"
#include "word/office/HyperlinkScan.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeShapes final : public word::Shapes {
public:
    OfficeShapes(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document);

    int count() override { return static_cast<int>(found_.size()); }
    std::unique_ptr<word::Shape> item(int index) override;

    // The shapes of the main text that are links themselves (a picture or a
    // drawing with a link of its own, not text inside them), by anchor.
    static std::vector<FoundLink> linkedShapes(DocumentSession& document);

private:
    struct Found {
        css::uno::Reference<css::beans::XPropertySet> shape;
        int type = 0;
        int anchor = 0;
        std::shared_ptr<OfficeStory> story;
    };

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::vector<Found> found_;
};

}  // namespace vane
