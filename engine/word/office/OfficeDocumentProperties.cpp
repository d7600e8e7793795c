#include "word/office/OfficeDocumentProperties.h"

#include <com/sun/star/document/XDocumentProperties.hpp>
#include <com/sun/star/document/XDocumentPropertiesSupplier.hpp>
#include <stdexcept>

#include "word/office/UnoCall.h"

namespace vane {

using css::uno::Reference;

std::string OfficeDocumentProperties::value(const std::string& name) {
    return uno_call("BuiltInDocumentProperties", [&]() -> std::string {
        const Reference<css::document::XDocumentPropertiesSupplier> supplier(document_,
                                                                             css::uno::UNO_QUERY_THROW);
        const auto properties = supplier->getDocumentProperties();
        if (name == "Title") return utf8(properties->getTitle());
        if (name == "Subject") return utf8(properties->getSubject());
        if (name == "Author") return utf8(properties->getAuthor());
        if (name == "Comments") return utf8(properties->getDescription());
        if (name == "Last Author") return utf8(properties->getModifiedBy());
        if (name == "Template") return utf8(properties->getTemplateName());
        if (name == "Keywords") {
            std::string joined;
            for (const auto& keyword : properties->getKeywords()) {
                if (!joined.empty()) joined += ", ";
                joined += utf8(keyword);
            }
            return joined;
        }
        throw std::runtime_error("Invalid procedure call or argument");
    });
}

}  // namespace vane
