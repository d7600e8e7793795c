#include "word/office/OfficeParagraph.h"

#include "word/WordConstants.h"
#include "word/office/OfficeRange.h"
#include "word/office/OfficeStyles.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

const ParagraphMap::Entry& OfficeParagraph::entry() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    ParagraphMap& map = document_->map();
    return map.entries()[static_cast<std::size_t>(map.entryAt(start_))];
}

std::unique_ptr<word::Range> OfficeParagraph::range() {
    return uno_call("Paragraph.Range", [&]() -> std::unique_ptr<word::Range> {
        const auto& paragraph = entry();
        return std::make_unique<OfficeRange>(session_, document_, paragraph.start, paragraph.end());
    });
}

std::unique_ptr<word::Style> OfficeParagraph::style() {
    return uno_call("Paragraph.Style", [&]() -> std::unique_ptr<word::Style> {
        const std::string name = prop_text(props(entry().paragraph), "ParaStyleName");
        return OfficeStyles::paragraphStyle(document_->document(), name);
    });
}

float OfficeParagraph::leftIndent() {
    return uno_call("Paragraph.LeftIndent", [&] {
        return static_cast<float>(hmm_to_points(prop<sal_Int32>(props(entry().paragraph), "ParaLeftMargin")));
    });
}

float OfficeParagraph::rightIndent() {
    return uno_call("Paragraph.RightIndent", [&] {
        return static_cast<float>(
            hmm_to_points(prop<sal_Int32>(props(entry().paragraph), "ParaRightMargin")));
    });
}

int OfficeParagraph::outlineLevel() {
    return uno_call("Paragraph.OutlineLevel", [&] {
        ParagraphMap& map = document_->map();
        const int level = map.outlineLevel(map.entryAt(start_));
        return level >= 1 && level <= 9 ? level : word::kOutlineBodyText;
    });
}

std::string OfficeParagraph::listString() {
    return uno_call("Paragraph.ListString", [&] {
        const css::uno::Reference<css::beans::XPropertySet> set = props(entry().paragraph);
        if (!set->getPropertySetInfo()->hasPropertyByName("ListLabelString")) return std::string();
        return prop_text(set, "ListLabelString");
    });
}

}  // namespace vane
