// The printed file runs the exported PDF; that PDF loses its outline, links and
// document information and turns its landscape pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PdfBytes.h"
#include "TempDir.h"
#include "pdf/PrintedPdf.h"
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace vane {
namespace {

TEST(PrintedPdf, PrintedFileIsOneLineRunningThePdf) {
    const struct {
        const char* path;
        const char* line;
    } cases[] = {
        {"/tmp/vane-printed-7.pdf", "(/tmp/vane-printed-7.pdf) run\n"},
        {"/tmp/a (1)/b\\c.pdf", "(/tmp/a \\(1\\)/b\\\\c.pdf) run\n"},
        {"/tmp/unbalanced)(.pdf", "(/tmp/unbalanced\\)\\(.pdf) run\n"},
        {"/tmp/r\xc3\xa9sum\xc3\xa9.pdf", "(/tmp/r\\303\\251sum\\303\\251.pdf) run\n"},
        {"/tmp/line\nbreak.pdf", "(/tmp/line\\012break.pdf) run\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(printed_program(c.path), c.line) << c.path;
}

TEST(PrintedPdf, LandscapePagesGetAPageMarkBeforeTheLine) {
    EXPECT_EQ(printed_program("/t/p.pdf", {false, true, false, true}),
              "[ {Page2} << /Rotate 270 >> /PUT pdfmark\n"
              "[ {Page4} << /Rotate 270 >> /PUT pdfmark\n"
              "(/t/p.pdf) run\n");
    EXPECT_EQ(printed_program("/t/p.pdf", {false, false}), "(/t/p.pdf) run\n");
}

// The office's export in small: an outline, document information, a portrait
// page with a link and a note, a landscape page with a link only.
std::string office_like_pdf() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/Outlines",
                    pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines /Count 0 >>")));
    root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
    pdf.getTrailer().replaceKey("/Info",
                                pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Office) >>")));
    const char* boxes[] = {"[0 0 612 792]", "[0 0 792 612]"};
    const char* annotations[] = {
        "[<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] >> << /Type /Annot /Subtype /Text /Rect [0 0 5 5] "
        ">>]",
        "[<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] >>]"};
    for (int i = 0; i < 2; ++i) {
        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            std::string("<< /Type /Page /MediaBox ") + boxes[i] + " /Annots " + annotations[i] + " >>"));
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, ""));
        pdf.addPage(page, false);
    }
    return test::pdf_bytes(pdf);
}

TEST(PrintedPdf, PreparedPdfKeepsPagesAndNotesOnly) {
    std::vector<bool> landscape;
    const std::string prepared = prepare_printed_pdf(office_like_pdf(), landscape);
    EXPECT_EQ(landscape, (std::vector<bool>{false, true}));

    QPDF pdf;
    pdf.processMemoryFile("prepared", prepared.data(), prepared.size());
    EXPECT_FALSE(pdf.getRoot().hasKey("/Outlines"));
    EXPECT_FALSE(pdf.getRoot().hasKey("/PageMode"));
    EXPECT_FALSE(pdf.getTrailer().hasKey("/Info"));
    const auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    ASSERT_EQ(pages.size(), 2u);
    QPDFObjectHandle first = pages[0].getObjectHandle();
    EXPECT_FALSE(first.hasKey("/Rotate"));
    ASSERT_TRUE(first.getKey("/Annots").isArray());
    ASSERT_EQ(first.getKey("/Annots").getArrayNItems(), 1);
    EXPECT_TRUE(first.getKey("/Annots").getArrayItem(0).getKey("/Subtype").isNameAndEquals("/Text"));
    QPDFObjectHandle second = pages[1].getObjectHandle();
    EXPECT_EQ(second.getKey("/Rotate").getIntValue(), 90);
    EXPECT_FALSE(second.hasKey("/Annots"));
}

TEST(PrintedPdf, PrintPreparesThePdfInPlaceAndWritesTheLine) {
    test::TempDir dir;
    const std::string output = dir.file("out (1).pdf");
    test::write_text(dir.file("printed.pdf"), office_like_pdf());
    PrintedPdf(dir.file("printed.pdf")).print(output);
    EXPECT_EQ(test::read_file(output),
              "[ {Page2} << /Rotate 270 >> /PUT pdfmark\n(" + dir.file("printed.pdf") + ") run\n");
    QPDF pdf;
    pdf.processFile(dir.file("printed.pdf").c_str());
    EXPECT_FALSE(pdf.getRoot().hasKey("/Outlines"));

    // An export that cannot be read is no print: nothing is written.
    test::write_text(dir.file("broken.pdf"), "%PDF-1.4 cut short");
    EXPECT_THROW(PrintedPdf(dir.file("broken.pdf")).print(dir.file("b.pdf")), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.pdf")));
    // Nor is one that is missing.
    EXPECT_THROW(PrintedPdf(dir.file("gone.pdf")).print(dir.file("c.pdf")), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.pdf")));
}

}  // namespace
}  // namespace vane
