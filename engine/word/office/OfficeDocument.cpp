#include "word/office/OfficeDocument.h"

#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/XDocumentIndexesSupplier.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>
#include <com/sun/star/util/XRefreshable.hpp>
#include <filesystem>
#include <set>

#include "word/WordConstants.h"
#include "word/office/FileUrl.h"
#include "word/office/HtmlAnchorRepair.h"
#include "word/office/HtmlTocTargets.h"
#include "word/office/OfficeDocumentProperties.h"
#include "word/office/OfficeFields.h"
#include "word/office/OfficeFootnotes.h"
#include "word/office/OfficeHyperlinks.h"
#include "word/office/OfficePageSetup.h"
#include "word/office/OfficeSections.h"
#include "word/office/OfficeShapes.h"
#include "word/office/OfficeStyles.h"
#include "word/office/OfficeTemporaries.h"
#include "word/office/OfficeWindow.h"
#include "word/office/PipeStats.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

std::string absolute_path(const std::string& path) {
    return std::filesystem::absolute(path).string();
}

// The PDF a print into `outputPath` goes through when no other is named.
std::string printed_pdf_beside(const std::string& outputPath) {
    return outputPath + ".printed.pdf";
}

// Whether refreshing an index rebuilds what the document shows. A table of
// figures gathered from a paragraph style (Word's TOC \t "..." \c) arrives
// as a list of captions of no label: the office finds no caption for it and a
// refresh would empty it, so it is kept as written.
bool rebuilds_itself(const Reference<css::util::XRefreshable>& index) {
    const Reference<css::lang::XServiceInfo> info(index, UNO_QUERY);
    if (!info.is()) return true;
    const bool captions = info->supportsService("com.sun.star.text.IllustrationsIndex") ||
                          info->supportsService("com.sun.star.text.TableIndex");
    return !captions || !prop_text(props(index), "LabelCategory").empty();
}

// Stores the document under `path`. A store that fails (full disk, folder
// turned read-only, office gone) leaves the office's lock file beside the
// target, and an office killed while storing its temporary file too: both
// are removed before the error goes on.
void store_to(const Reference<css::frame::XStorable>& storable, const std::string& path,
              const css::uno::Sequence<css::beans::PropertyValue>& properties) {
    const std::filesystem::path target(path);
    const std::set<std::filesystem::path> earlier = office_temporaries(target.parent_path());
    try {
        storable->storeToURL(ou(file_url(path)), properties);
    } catch (...) {
        remove_office_leftovers(target, earlier);
        throw;
    }
}

}  // namespace

DocumentSession& OfficeDocument::open() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    session_->office();
    return *document_;
}

void OfficeDocument::activate() {
    uno_call("Activate", [&] {
        open();
        session_->active = document_;
    });
}

void OfficeDocument::close(bool saveChanges) {
    PipeStats::process().begin();
    uno_call("Close", [&] {
        if (saveChanges) Reference<css::frame::XStorable>(open().document(), UNO_QUERY_THROW)->store();
        open().close();
        session_->forget(document_.get());
    });
    PipeStats::process().end("close");
}

void OfficeDocument::saveAs(const std::string& path, int fileFormat, bool /*addToRecentFiles*/) {
    PipeStats::process().begin();
    uno_call("SaveAs", [&] {
        if (fileFormat != word::kFormatFilteredHtml) throw std::runtime_error("file format not supported");
        DocumentSession& document = open();
        // Contents entries lead to the document's own bookmark names.
        const HtmlTocTargets targets(document);
        // Live text ranges make the export drop every bookmark anchor.
        document.release();
        const Reference<css::frame::XStorable> storable(document.document(), UNO_QUERY_THROW);
        store_to(
            storable, absolute_path(path),
            arguments({{"FilterName", Any(rtl::OUString("HTML (StarWriter)"))}, {"Overwrite", Any(true)}}));
        targets.apply(absolute_path(path));
        // Anchors the export left out although links lead to them.
        HtmlAnchorRepair(document).apply(absolute_path(path));
    });
    PipeStats::process().end("export");
}

void OfficeDocument::printOut(const word::PrintOptions& options) {
    PipeStats::process().begin();
    uno_call("PrintOut", [&] {
        if (!options.printToFile || options.outputFileName.empty()) {
            throw std::runtime_error("only printing to a file is supported");
        }
        const std::string output = absolute_path(options.outputFileName);
        const std::string pdf =
            options.pdfFileName.empty() ? printed_pdf_beside(output) : absolute_path(options.pdfFileName);
        try {
            exportPdf(pdf);
            if (options.preparePdf) options.preparePdf(pdf, output);
        } catch (...) {
            std::error_code error;
            std::filesystem::remove(pdf, error);
            throw;
        }
    });
    PipeStats::process().end("print");
}

void OfficeDocument::exportPdf(const std::string& path) {
    uno_call("ExportPdf", [&] {
        const Reference<css::frame::XStorable> storable(open().document(), UNO_QUERY_THROW);
        // Without the blank pages the layout inserts for odd/even starts, as
        // the pages are counted.
        const auto filterData = arguments({{"IsSkipEmptyPages", Any(true)}});
        store_to(storable, absolute_path(path),
                 arguments({{"FilterName", Any(rtl::OUString("writer_pdf_Export"))},
                            {"FilterData", Any(filterData)},
                            {"Overwrite", Any(true)}}));
    });
}

void OfficeDocument::repaginate() {
    uno_call("Repaginate", [&] {
        DocumentSession& document = open();
        // Fields and indexes as printing would show them, before anything is
        // measured. Refreshing may move text, so what was read of the layout
        // is read again; a document without either keeps it.
        bool refreshed = false;
        const Reference<css::text::XTextFieldsSupplier> fields(document.document(), UNO_QUERY);
        const auto refreshFields = [&] {
            if (!fields.is()) return;
            const auto all = fields->getTextFields();
            if (!all->createEnumeration()->hasMoreElements()) return;
            const Reference<css::util::XRefreshable> refresh(all, UNO_QUERY);
            if (refresh.is()) refresh->refresh();
            refreshed = true;
        };
        refreshFields();
        const Reference<css::text::XDocumentIndexesSupplier> indexes(document.document(), UNO_QUERY);
        if (indexes.is()) {
            const auto list = indexes->getDocumentIndexes();
            for (sal_Int32 i = 0; i < list->getCount(); ++i) {
                const Reference<css::util::XRefreshable> index(list->getByIndex(i), UNO_QUERY);
                if (!index.is() || !rebuilds_itself(index)) continue;
                index->refresh();
                refreshed = true;
            }
        }
        // Once more: page references inside a rebuilt index.
        if (refreshed) refreshFields();
        if (refreshed) document.invalidate();
    });
}

void OfficeDocument::acceptAllRevisions() {
    uno_call("AcceptAllRevisions", [&] {
        DocumentSession& document = open();
        const Reference<css::frame::XDispatchProvider> frame(
            document.model()->getCurrentController()->getFrame(), UNO_QUERY_THROW);
        const auto helper = css::frame::DispatchHelper::create(document.context());
        helper->executeDispatch(frame, ".uno:AcceptAllTrackedChanges", "", 0, {});
        document.invalidate();
    });
}

void OfficeDocument::unprotect(const std::string& /*password*/) {
    uno_call("Unprotect", [&] {
        open();
        // Word-style document protection is not kept by the office's import.
        throw std::runtime_error("the document is not protected");
    });
}

std::unique_ptr<word::Fields> OfficeDocument::fields() {
    return std::make_unique<OfficeFields>(session_, document_);
}

std::unique_ptr<word::Hyperlinks> OfficeDocument::hyperlinks() {
    return uno_call("Hyperlinks", [&]() -> std::unique_ptr<word::Hyperlinks> {
        return OfficeHyperlinks::ofMainText(session_, document_, 0, open().map().storyEnd());
    });
}

std::unique_ptr<word::Shapes> OfficeDocument::shapes() {
    return uno_call("Shapes", [&]() -> std::unique_ptr<word::Shapes> {
        open();
        return std::make_unique<OfficeShapes>(session_, document_);
    });
}

std::unique_ptr<word::Footnotes> OfficeDocument::footnotes() {
    return uno_call("Footnotes", [&]() -> std::unique_ptr<word::Footnotes> {
        open();
        return std::make_unique<OfficeFootnotes>(session_, document_, false);
    });
}

std::unique_ptr<word::Footnotes> OfficeDocument::endnotes() {
    return uno_call("Endnotes", [&]() -> std::unique_ptr<word::Footnotes> {
        open();
        return std::make_unique<OfficeFootnotes>(session_, document_, true);
    });
}

namespace {

// Sections as runs of pages sharing a page style. A one-page run whose style
// is followed by the next run's style is that section's different first
// page, which the office imports as a page style of its own.
std::vector<PageStyleInfo> section_runs(PageGeometry& geometry) {
    std::vector<PageStyleInfo> runs;
    std::vector<int> pages;
    for (int page = 1; page <= geometry.pageCount(); ++page) {
        const PageStyleInfo& style = geometry.page(page);
        if (runs.empty() || runs.back().name != style.name) {
            runs.push_back(style);
            pages.push_back(0);
        }
        ++pages.back();
    }
    std::vector<PageStyleInfo> sections;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (pages[i] == 1 && i + 1 < runs.size() && runs[i].followStyle == runs[i + 1].name &&
            runs[i].firstShared) {
            PageStyleInfo merged = runs[i + 1];
            merged.firstShared = false;
            merged.firstPageStyle = runs[i].name;
            sections.push_back(std::move(merged));
            ++i;
        } else {
            sections.push_back(runs[i]);
        }
    }
    return sections;
}

}  // namespace

std::unique_ptr<word::Sections> OfficeDocument::sections() {
    return uno_call("Sections", [&]() -> std::unique_ptr<word::Sections> {
        return std::make_unique<OfficeSections>(session_, document_, section_runs(open().geometry()));
    });
}

std::unique_ptr<word::Window> OfficeDocument::activeWindow() {
    return uno_call("ActiveWindow", [&]() -> std::unique_ptr<word::Window> {
        open();
        return std::make_unique<OfficeWindow>();
    });
}

std::unique_ptr<word::Styles> OfficeDocument::styles() {
    return uno_call("Styles", [&]() -> std::unique_ptr<word::Styles> {
        return std::make_unique<OfficeStyles>(open().document());
    });
}

std::unique_ptr<word::PageSetup> OfficeDocument::pageSetup() {
    return uno_call("PageSetup", [&]() -> std::unique_ptr<word::PageSetup> {
        PageGeometry& geometry = open().geometry();
        std::vector<PageStyleInfo> styles;
        for (int page = 1; page <= geometry.pageCount(); ++page) styles.push_back(geometry.page(page));
        const auto sections = section_runs(geometry);
        if (!styles.empty() && !sections.empty() && !sections.front().firstPageStyle.empty()) {
            styles.front().firstShared = false;
        }
        return std::make_unique<OfficePageSetup>(styles);
    });
}

std::unique_ptr<word::DocumentProperties> OfficeDocument::builtInDocumentProperties() {
    return uno_call("BuiltInDocumentProperties", [&]() -> std::unique_ptr<word::DocumentProperties> {
        return std::make_unique<OfficeDocumentProperties>(open().document(), open().context());
    });
}

}  // namespace vane
