#include "pdf/PrintedPdf.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef VANE_HAVE_QPDF
// Without PointerHolder (qpdf 11 uses std::shared_ptr).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#endif

#include "pdf/LinkText.h"

namespace vane {

namespace {

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_all(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

#ifdef VANE_HAVE_QPDF
// The page's annotations without its links; the key goes when none is left.
void drop_links(QPDFObjectHandle page) {
    QPDFObjectHandle annotations = page.getKey("/Annots");
    if (!annotations.isArray()) return;
    QPDFObjectHandle kept = QPDFObjectHandle::newArray();
    for (int i = 0; i < annotations.getArrayNItems(); ++i) {
        QPDFObjectHandle annotation = annotations.getArrayItem(i);
        if (!annotation.isDictionary() || !annotation.getKey("/Subtype").isNameAndEquals("/Link"))
            kept.appendItem(annotation);
    }
    if (kept.getArrayNItems() == 0)
        page.removeKey("/Annots");
    else
        page.replaceKey("/Annots", kept);
}
#endif

}  // namespace

std::string printed_program(const std::string& pdfPath, const std::vector<bool>& landscape) {
    std::string marks;
    for (std::size_t i = 0; i < landscape.size(); ++i)
        if (landscape[i]) marks += "[ {Page" + std::to_string(i + 1) + "} << /Rotate 270 >> /PUT pdfmark\n";
    return marks + "(" + postscript_string(pdfPath) + ") run\n";
}

#ifdef VANE_HAVE_QPDF
std::string prepare_printed_pdf(const std::string& bytes, std::vector<bool>& landscape) {
    QPDF pdf;
    pdf.processMemoryFile("printed", bytes.data(), bytes.size());
    QPDFObjectHandle root = pdf.getRoot();
    root.removeKey("/Outlines");
    root.removeKey("/PageMode");
    root.removeKey("/Metadata");
    pdf.getTrailer().removeKey("/Info");
    landscape.clear();
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle object = page.getObjectHandle();
        drop_links(object);
        const auto box = page.getMediaBox().getArrayAsRectangle();
        const bool wide = (box.urx - box.llx) > (box.ury - box.lly);
        landscape.push_back(wide);
        if (wide) object.replaceKey("/Rotate", QPDFObjectHandle::newInteger(90));
    }
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    const auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}
#else
std::string prepare_printed_pdf(const std::string&, std::vector<bool>&) {
    throw std::runtime_error("this build reads no PDF");
}
#endif

void PrintedPdf::print(const std::string& outputPath) const {
    std::string prepared;
    std::vector<bool> landscape;
    try {
        prepared = prepare_printed_pdf(read_all(pdfPath_), landscape);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("cannot read the exported PDF: ") + e.what());
    }
    write_all(pdfPath_, prepared);
    write_all(outputPath, printed_program(pdfPath_, landscape));
}

}  // namespace vane
