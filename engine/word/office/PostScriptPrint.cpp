#include "word/office/PostScriptPrint.h"

// Without PointerHolder (qpdf 11 uses std::shared_ptr).
#define POINTERHOLDER_TRANSITION 4
#include <chrono>
#include <filesystem>
#include <fstream>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>
#include <stdexcept>

#include "platform/Env.h"
#include "word/office/LigatureGlyphNames.h"
#include "word/office/OfficeProcess.h"

namespace vane {

namespace {

constexpr int kConvertTimeoutMs = 10 * 60 * 1000;

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string mark_landscape_pages(const std::string& postScript, const std::vector<bool>& landscape) {
    static const std::string kSetupEnd = "%%EndPageSetup";
    std::string out;
    out.reserve(postScript.size() + 64 * landscape.size());
    std::size_t page = 0;
    std::size_t from = 0;
    while (from < postScript.size()) {
        std::size_t lineEnd = postScript.find('\n', from);
        lineEnd = lineEnd == std::string::npos ? postScript.size() : lineEnd + 1;
        const std::string_view line(postScript.data() + from, lineEnd - from);
        out.append(line);
        if (line.rfind("%%Page:", 0) == 0) ++page;
        if (line.rfind(kSetupEnd, 0) == 0 && page >= 1 && page <= landscape.size() && landscape[page - 1]) {
            if (out.back() != '\n') out += '\n';
            out += "[ /Rotate 270 /PAGE pdfmark\n";
        }
        from = lineEnd;
    }
    return out;
}

std::vector<std::string> print_intermediates(const std::string& outputPath) {
    return {outputPath + ".office.pdf", outputPath + ".rotated.pdf", outputPath + ".raw.ps"};
}

PostScriptPrint::PostScriptPrint(Env& env, std::string outputPath)
    : env_(env),
      outputPath_(std::move(outputPath)),
      pdfPath_(print_intermediates(outputPath_)[0]),
      rotatedPath_(print_intermediates(outputPath_)[1]),
      rawPath_(print_intermediates(outputPath_)[2]) {}

PostScriptPrint::~PostScriptPrint() {
    std::error_code error;
    for (const std::string* path : {&pdfPath_, &rotatedPath_, &rawPath_})
        std::filesystem::remove(*path, error);
}

std::vector<bool> PostScriptPrint::rotateLandscapePages() const {
    QPDF pdf;
    pdf.processFile(pdfPath_.c_str());
    std::vector<bool> landscape;
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        const auto box = page.getMediaBox().getArrayAsRectangle();
        const bool wide = (box.urx - box.llx) > (box.ury - box.lly);
        landscape.push_back(wide);
        if (wide) page.getObjectHandle().replaceKey("/Rotate", QPDFObjectHandle::newInteger(90));
    }
    QPDFWriter writer(pdf, rotatedPath_.c_str());
    writer.write();
    return landscape;
}

void PostScriptPrint::convert() const {
    auto child = env_.startProcess(
        "pdftocairo -ps " + quote_argument(rotatedPath_) + " " + quote_argument(rawPath_), "");
    if (child == nullptr) throw std::runtime_error("cannot run pdftocairo");
    const auto start = std::chrono::steady_clock::now();
    std::optional<int> code;
    while (!(code = child->poll())) {
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(kConvertTimeoutMs)) {
            child->kill();
            throw std::runtime_error("pdftocairo did not end");
        }
        env_.sleepMilliseconds(20);
    }
    if (*code != 0) throw std::runtime_error("pdftocairo failed");
}

void PostScriptPrint::run() const {
    std::vector<bool> landscape;
    LigatureTexts ligatures;
    try {
        landscape = rotateLandscapePages();
        ligatures = read_ligature_texts(pdfPath_);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("cannot read the exported PDF: ") + e.what());
    }
    convert();
    const std::string marked =
        mark_landscape_pages(label_ligature_glyphs(read_all(rawPath_), ligatures), landscape);
    std::ofstream out(outputPath_, std::ios::binary | std::ios::trunc);
    out << marked;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + outputPath_);
}

}  // namespace vane
