#include "word/office/OfficeDocumentProperties.h"

#include <com/sun/star/document/XDocumentProperties.hpp>
#include <com/sun/star/document/XDocumentPropertiesSupplier.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/io/XInputStream.hpp>
#include <com/sun/star/packages/zip/ZipFileAccess.hpp>
#include <stdexcept>

#include "word/office/CoreKeywords.h"
#include "word/office/UnoCall.h"

namespace vane {

using css::uno::Reference;

namespace {

constexpr const char* kCoreProperties = "docProps/core.xml";
constexpr sal_Int32 kChunk = 65536;

}  // namespace

std::optional<std::string> OfficeDocumentProperties::storedKeywords() const {
    try {
        const Reference<css::frame::XModel> model(document_, css::uno::UNO_QUERY);
        if (!model.is() || !context_.is() || model->getURL().isEmpty()) return std::nullopt;
        const auto package = css::packages::zip::ZipFileAccess::createWithURL(context_, model->getURL());
        if (!package->hasByName(ou(kCoreProperties))) return std::nullopt;
        Reference<css::io::XInputStream> stream;
        package->getByName(ou(kCoreProperties)) >>= stream;
        if (!stream.is()) return std::nullopt;
        std::string xml;
        css::uno::Sequence<sal_Int8> bytes;
        for (sal_Int32 n; (n = stream->readBytes(bytes, kChunk)) > 0;)
            xml.append(reinterpret_cast<const char*>(bytes.getConstArray()), static_cast<std::size_t>(n));
        stream->closeInput();
        return core_keywords(xml);
    } catch (const css::uno::Exception&) {
        return std::nullopt;  // not a package (a .doc file), or unreadable
    }
}

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
            if (std::optional<std::string> stored = storedKeywords()) return *stored;
            // The office keeps a .doc file's keywords split at its commas.
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
