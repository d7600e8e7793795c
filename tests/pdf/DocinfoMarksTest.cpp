// The PDF's document information: how each property is written, and which
// lines go before the outline marks.
#include <gtest/gtest.h>

#include <string>

#include "pdf/DocinfoMarks.h"
#include "word/CDocinfo.h"

namespace vane {
namespace {

TEST(PdfmarkText, PlainWhenPrintableAsciiElseUtf16) {
    struct Case {
        const char* text;
        const char* written;
    } const cases[] = {
        {"Annual report", "(Annual report)"},
        {"", "()"},
        {"Costs (2024)", "(Costs \\(2024\\))"},
        {"C:\\reports\\q1", "(C:\\\\reports\\\\q1)"},
        {"unbalanced ) ( \\", "(unbalanced \\) \\( \\\\)"},
        {"Caf\xC3\xA9", "<FEFF00430061006600E9>"},  // é
        {"Gr\xC3\xBC\xC3\x9F"
         "e (f\xC3\xBCr)",
         "<FEFF0047007200FC00DF006500200028006600FC00720029>"},
        {"\xE5\xA0\xB1\xE5\x91\x8A", "<FEFF5831544A>"},                   // 報告
        {"\xF0\x9F\x93\x84 Memo", "<FEFFD83DDCC40020004D0065006D006F>"},  // a page sign: surrogate pair
        {"line\tbreak", "<FEFF006C0069006E006500090062007200650061006B>"},
        {"tilde~", "(tilde~)"},
        {"del\x7F", "<FEFF00640065006C007F>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(pdfmark_text(c.text), c.written);
    }
}

TEST(DocinfoMarks, OnlyTheNonEmptyPropertiesAndTheTitleShown) {
    const std::string omit = "<< /OmitXMP true >> setpagedevice\r\n";
    const std::string shown =
        "[ {Catalog} << /ViewerPreferences << /DisplayDocTitle true >> >> /PUT pdfmark\r\n";
    struct Case {
        const char* name;
        const char* title;
        const char* author;
        const char* subject;
        const char* keywords;
        std::string marks;
    } const cases[] = {
        {"all four", "Manual", "A. Writer", "Publishing", "pdf, outline",
         "[ /Title (Manual) /Author (A. Writer) /Subject (Publishing) /Keywords (pdf, outline) /DOCINFO "
         "pdfmark\r\n" +
             shown},
        {"title only", "Manual", "", "", "", "[ /Title (Manual) /DOCINFO pdfmark\r\n" + shown},
        {"no title: not shown", "", "A. Writer", "", "x",
         "[ /Author (A. Writer) /Keywords (x) /DOCINFO pdfmark\r\n"},
        {"subject alone", "", "", "Publishing", "", "[ /Subject (Publishing) /DOCINFO pdfmark\r\n"},
        {"mixed encodings", "R\xC3\xA9sum\xC3\xA9", "O'Brien (ed.)", "", "a\\b",
         "[ /Title <FEFF005200E900730075006D00E9> /Author (O'Brien \\(ed.\\)) /Keywords (a\\\\b) /DOCINFO "
         "pdfmark\r\n" +
             shown},
        // Beyond Latin-1 the producer is asked to leave out the metadata that would mangle it.
        {"CJK title", "\xE5\xA0\xB1\xE5\x91\x8A", "", "", "",
         omit + "[ /Title <FEFF5831544A> /DOCINFO pdfmark\r\n" + shown},
        {"em dash in the keywords only", "", "", "", "a \xE2\x80\x94 b",
         omit + "[ /Keywords <FEFF00610020201400200062> /DOCINFO pdfmark\r\n"},
        {"all empty", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDocinfo info;
        info.title = c.title;
        info.author = c.author;
        info.subject = c.subject;
        info.keywords = c.keywords;
        EXPECT_EQ(docinfo_marks(info), c.marks);
    }
}

TEST(DocinfoMarks, ClearForgetsTheProperties) {
    CDocinfo info;
    info.title = "T";
    info.author = "A";
    info.subject = "S";
    info.keywords = "K";
    info.clear();
    EXPECT_EQ(docinfo_marks(info), "");
}

}  // namespace
}  // namespace vane
