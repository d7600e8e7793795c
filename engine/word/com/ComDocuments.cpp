#include "word/com/ComDocuments.h"

#include <utility>

#include "word/com/ComDocument.h"

namespace vane::word {

std::unique_ptr<Document> ComDocuments::open(const std::string& path, const OpenOptions& options) {
    // File name, conversion prompt, read-only, recent files, two passwords,
    // revert, two write passwords, format, encoding (false), visible.
    Dispatch document = Dispatch(
        object_
            .call(0xF, {ComVariant::text(path, true), ComVariant::boolean(options.confirmConversions),
                        ComVariant::boolean(options.readOnly), ComVariant::boolean(options.addToRecentFiles),
                        ComVariant::missing(), ComVariant::missing(), ComVariant::boolean(options.revert),
                        ComVariant::missing(), ComVariant::missing(), ComVariant::missing(),
                        ComVariant::boolean(false), ComVariant::boolean(options.visible)})
            .toDispatch());
    if (!document) return nullptr;
    return std::make_unique<ComDocument>(std::move(document));
}

}  // namespace vane::word
