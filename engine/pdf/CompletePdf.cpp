#include "pdf/CompletePdf.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Env.h"

#ifdef VANE_HAVE_QPDF
#define POINTERHOLDER_TRANSITION 4  // the std::shared_ptr interface only
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#endif

namespace vane {

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The last bytes of a PDF hold "startxref", its offset and "%%EOF".
constexpr long kTailBytes = 1024;

bool has_pdf_frame(const std::string& path) {
    FileHandle file(env().openFile(path, "rb"), &std::fclose);
    if (!file) return false;
    char head[5];
    if (std::fread(head, 1, sizeof head, file.get()) != sizeof head) return false;
    if (std::memcmp(head, "%PDF-", sizeof head) != 0) return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(file.get());
    const long start = size > kTailBytes ? size - kTailBytes : 0;
    if (std::fseek(file.get(), start, SEEK_SET) != 0) return false;
    std::string tail(static_cast<std::size_t>(size - start), '\0');
    if (std::fread(tail.data(), 1, tail.size(), file.get()) != tail.size()) return false;
    const std::size_t xref = tail.rfind("startxref");
    return xref != std::string::npos && tail.find("%%EOF", xref) != std::string::npos;
}

}  // namespace

bool is_complete_pdf(const std::string& path) {
    if (!has_pdf_frame(path)) return false;
#ifdef VANE_HAVE_QPDF
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        // A damaged file must fail here, not be rebuilt from its objects.
        pdf.setAttemptRecovery(false);
        pdf.processFile(path.c_str());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        for (QPDFPageObjectHelper page : pages) {
            if (!page.getObjectHandle().isDictionary()) return false;
        }
        // Reading the page tree reports what it had to mend as warnings.
        return !pages.empty() && !pdf.anyWarnings();
    } catch (...) {
        return false;
    }
#else
    return true;
#endif
}

}  // namespace vane
