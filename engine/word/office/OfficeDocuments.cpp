#include "word/office/OfficeDocuments.h"

#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <filesystem>
#include <string>
#include <utility>

#include "word/office/FileUrl.h"
#include "word/office/OfficeDocument.h"
#include "word/office/PipeStats.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

// Removes a lock file of the office's when it goes, unless `path` was cleared.
struct LockFileGuard {
    std::string path;
    ~LockFileGuard() {
        std::error_code error;
        if (!path.empty()) std::filesystem::remove(path, error);
    }
};

}  // namespace

bool is_word_processor_filter(const std::string& filter) {
    return !filter.empty() && filter.rfind("Text", 0) != 0;
}

std::unique_ptr<word::Document> OfficeDocuments::open(const std::string& path,
                                                      const word::OpenOptions& options) {
    PipeStats::process().begin();
    auto opened = uno_call("Open", [&]() -> std::unique_ptr<word::Document> {
        std::error_code error;
        const std::string absolute = std::filesystem::absolute(path, error).string();
        if (error || !std::filesystem::is_regular_file(absolute, error)) return nullptr;
        // The office opens an empty file as a new blank document; a word processor
        // refuses it, and publishing a blank document would report success for nothing.
        if (std::filesystem::file_size(absolute, error) == 0 || error) return nullptr;
        const Reference<css::frame::XComponentLoader> loader(session_->office().desktop(),
                                                             css::uno::UNO_QUERY_THROW);
        // An office killed while loading leaves its lock file for the file
        // behind: it is removed unless a loaded document takes it over.
        const std::filesystem::path loaded(absolute);
        LockFileGuard lock{(loaded.parent_path() / (".~lock." + loaded.filename().string() + "#")).string()};
        Reference<css::lang::XComponent> component;
        try {
            component = loader->loadComponentFromURL(
                ou(file_url(absolute)), "_blank", 0,
                arguments({{"Hidden", Any(!session_->visible || !options.visible)},
                           {"ReadOnly", Any(options.readOnly)},
                           {"MacroExecutionMode", Any(sal_Int16(0))},
                           {"UpdateDocMode", Any(sal_Int16(0))},
                           {"Silent", Any(true)}}));
        } catch (const css::lang::IllegalArgumentException&) {
            return nullptr;
        } catch (const css::io::IOException&) {
            return nullptr;
        }
        const Reference<css::text::XTextDocument> text(component, UNO_QUERY);
        std::string filter;
        if (text.is()) {
            const Reference<css::frame::XModel> model(component, UNO_QUERY);
            for (const auto& arg : model->getArgs()) {
                rtl::OUString name;
                if (arg.Name == "FilterName" && (arg.Value >>= name)) filter = utf8(name);
            }
        }
        if (!text.is() || !is_word_processor_filter(filter)) {
            const Reference<css::util::XCloseable> closeable(component, UNO_QUERY);
            if (closeable.is()) closeable->close(true);
            return nullptr;
        }
        auto document = std::make_shared<DocumentSession>(text, session_->office().context());
        document->lockFile = std::move(lock.path);
        lock.path.clear();
        session_->documents.push_back(document);
        session_->active = document;
        return std::make_unique<OfficeDocument>(session_, document);
    });
    PipeStats::process().end("open", "walk");
    return opened;
}

}  // namespace vane
