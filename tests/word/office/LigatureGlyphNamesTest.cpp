#include <gtest/gtest.h>

// Without PointerHolder (qpdf 11 uses std::shared_ptr).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>
#include <vector>

#include "TempDir.h"
#include "word/office/LigatureGlyphNames.h"

namespace vane {
namespace {

std::string u16(std::uint32_t v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string u32(std::uint32_t v) {
    return u16(v >> 16) + u16(v & 0xFFFF);
}

// Simple glyph: one contour, a bounding box, then `payload` as its outline.
std::string simple(const std::string& payload) {
    return u16(1) + std::string(8, '\0') + payload;
}
// Composite glyph drawing glyph `part` at offset (dx, 0).
std::string composite(std::uint32_t part, char dx) {
    return u16(0xFFFF) + std::string(8, '\0') + u16(0x0002) + u16(part) + std::string{dx, 0};
}

// A TrueType font with the given glyphs (index 0 is .notdef) and a (1,0)
// cmap that maps code n to glyph n.
std::string make_font(const std::vector<std::string>& glyphs) {
    std::string glyf, loca = u32(0);
    for (const std::string& g : glyphs) {
        glyf += g;
        if (glyf.size() % 2) glyf += '\0';
        loca += u32(static_cast<std::uint32_t>(glyf.size()));
    }
    std::string head =
        u32(0x00010000) + u32(0) + u32(0) + u32(0x5F0F3CF5) + std::string(34, '\0') + u16(1) + u16(0);
    std::string maxp = u32(0x00005000) + u16(static_cast<std::uint32_t>(glyphs.size()));
    std::string cmap = u16(0) + u16(1) + u16(1) + u16(0) + u32(12) + u16(0) + u16(262) + u16(0);
    for (int code = 0; code < 256; ++code)
        cmap += static_cast<char>(code < static_cast<int>(glyphs.size()) ? code : 0);
    const std::vector<std::pair<std::string, std::string>> tables = {
        {"cmap", cmap}, {"glyf", glyf}, {"head", head}, {"loca", loca}, {"maxp", maxp}};
    std::string directory =
        u32(0x00010000) + u16(static_cast<std::uint32_t>(tables.size())) + u16(0) + u16(0) + u16(0);
    std::string body;
    std::size_t offset = 12 + 16 * tables.size();
    for (const auto& [tag, data] : tables) {
        directory += tag + u32(0) + u32(static_cast<std::uint32_t>(offset + body.size())) +
                     u32(static_cast<std::uint32_t>(data.size()));
        body += data;
        while (body.size() % 4) body += '\0';
    }
    return directory + body;
}

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// A font resource as pdftocairo writes it: glyphs named in CharStrings, the
// font in sfnts strings (each followed by one padding byte when `padded`).
std::string ps_font(const std::string& name, const std::vector<std::string>& charStrings,
                    const std::string& font, bool padded = true) {
    std::string ps = "%%BeginResource: font " + name + "\n11 dict begin\n/FontType 42 def\n/FontName /" +
                     name + " def\n/PaintType 0 def\n/CharStrings 2 dict dup begin\n/.notdef 0 def\n";
    for (const std::string& line : charStrings) ps += line + "\n";
    ps += "end readonly def\n/sfnts [\n";
    const std::size_t half = 12 + 16 * 5;  // split after the table directory
    ps += "<" + hex(font.substr(0, half)) + (padded ? "00" : "") + ">\n";
    ps += "<" + hex(font.substr(half)) + (padded ? "00" : "") + ">\n] def\n";
    return ps + "/f-0-0 currentdict end definefont pop\n%%EndResource\n";
}

struct PdfFont {
    std::vector<std::string> glyphs;
    std::string toUnicode;  // CMap body
    bool cid = false;       // Type0 font with an identity CIDToGIDMap
};

std::string write_pdf(const test::TempDir& dir, const std::vector<PdfFont>& fonts) {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle list = QPDFObjectHandle::newArray();
    for (const PdfFont& f : fonts) {
        QPDFObjectHandle descriptor = QPDFObjectHandle::newDictionary();
        descriptor.replaceKey("/Type", QPDFObjectHandle::newName("/FontDescriptor"));
        descriptor.replaceKey("/FontFile2", QPDFObjectHandle::newStream(&pdf, make_font(f.glyphs)));
        QPDFObjectHandle font = QPDFObjectHandle::newDictionary();
        font.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
        font.replaceKey("/ToUnicode",
                        QPDFObjectHandle::newStream(&pdf, "begincmap\n" + f.toUnicode + "\nendcmap\n"));
        if (f.cid) {
            QPDFObjectHandle descendant = QPDFObjectHandle::newDictionary();
            descendant.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
            descendant.replaceKey("/Subtype", QPDFObjectHandle::newName("/CIDFontType2"));
            descendant.replaceKey("/CIDToGIDMap", QPDFObjectHandle::newName("/Identity"));
            descendant.replaceKey("/FontDescriptor", pdf.makeIndirectObject(descriptor));
            font.replaceKey("/Subtype", QPDFObjectHandle::newName("/Type0"));
            QPDFObjectHandle descendants = QPDFObjectHandle::newArray();
            descendants.appendItem(pdf.makeIndirectObject(descendant));
            font.replaceKey("/DescendantFonts", descendants);
        } else {
            font.replaceKey("/Subtype", QPDFObjectHandle::newName("/TrueType"));
            font.replaceKey("/FontDescriptor", pdf.makeIndirectObject(descriptor));
        }
        list.appendItem(pdf.makeIndirectObject(font));
    }
    pdf.getRoot().replaceKey("/TestFonts", list);
    const std::string path = dir.file("fonts.pdf");
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
    return path;
}

const std::string kF = simple("F-outline");
const std::string kI = simple("i-outline");
const std::string kFt = simple("ft-outline");
const std::string kTi = simple("ti-outline");

TEST(LigatureGlyphNames, GivesMultiCharacterGlyphsTheirTextFromTheOfficePdf) {
    const std::string labelled =
        "/FontName /Carlito-L1 def\n/FontInfo << /GlyphNames2Unicode << /g1 <00660074> >> >> def\n";
    struct Case {
        const char* name;
        std::vector<PdfFont> pdf;
        std::vector<std::string> psGlyphs;
        std::vector<std::string> charStrings;
        bool padded;
        std::string expected;  // "" = the font stays as it is
    };
    const Case cases[] = {
        {"bfchar",
         {{{"", kF, kI, kFt}, "beginbfchar\n<01> <0046>\n<02> <0069>\n<03> <00660074>\nendbfchar"}},
         {"", kFt},
         {"/g1 1 def"},
         true,
         labelled},
        {"sfnts without padding",
         {{{"", kF, kI, kFt}, "beginbfchar\n<03> <00660074>\nendbfchar"}},
         {"", kFt},
         {"/g1 1 def"},
         false,
         labelled},
        {"bfrange with array",
         {{{"", kF, kFt, kTi}, "beginbfrange\n<02> <03> [<00660074> <00740069>]\nendbfrange"}},
         {"", kTi, kFt},
         {"/g1 2 def", "/g2 1 def"},
         true,
         "/FontName /Carlito-L1 def\n/FontInfo << /GlyphNames2Unicode << /g1 <00660074> /g2 <00740069> >> >> "
         "def\n"},
        {"Type0 font",
         {{{"", kF, kFt},
           "begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
           "beginbfchar\n<0002> <00660074>\nendbfchar",
           true}},
         {"", kFt},
         {"/g1 1 def"},
         true,
         labelled},
        // Composite glyphs name their parts by index, which differs between subsets.
        {"composite",
         {{{"", kF, kI, composite(2, 5)}, "beginbfchar\n<03> <00660074>\nendbfchar"}},
         {"", composite(2, 5), kI},
         {"/g1 1 def"},
         true,
         labelled},
        // Padding after the outline differs between subsetters.
        {"padded outline",
         {{{"", kF, kI, kFt + std::string(2, '\0')}, "beginbfchar\n<03> <00660074>\nendbfchar"}},
         {"", kFt},
         {"/g1 1 def"},
         true,
         labelled},
        {"composite padded, last offset zero",
         {{{"", kF, kI, composite(2, 0)}, "beginbfchar\n<03> <00660074>\nendbfchar"}},
         {"", composite(2, 0) + std::string(4, '\0'), kI},
         {"/g1 1 def"},
         true,
         labelled},
        {"composite with another part",
         {{{"", kF, kI, composite(2, 5)}, "beginbfchar\n<03> <00660074>\nendbfchar"}},
         {"", composite(2, 5), kF},
         {"/g1 1 def"},
         true,
         ""},
        {"outline not in the PDF",
         {{{"", kF, kFt}, "beginbfchar\n<02> <00660074>\nendbfchar"}},
         {"", kTi},
         {"/g1 1 def"},
         true,
         ""},
        {"single-character text only",
         {{{"", kF, kFt}, "beginbfchar\n<02> <0066>\nendbfchar"}},
         {"", kFt},
         {"/g1 1 def"},
         true,
         ""},
        {"same outline, two texts",
         {{{"", kFt}, "beginbfchar\n<01> <00660074>\nendbfchar"},
          {{"", kFt}, "beginbfchar\n<01> <00740069>\nendbfchar"}},
         {"", kFt},
         {"/g1 1 def"},
         true,
         ""},
        {"no g names",
         {{{"", kF, kFt}, "beginbfchar\n<02> <00660074>\nendbfchar"}},
         {"", kFt},
         {"/f_t 1 def"},
         true,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const LigatureTexts texts = read_ligature_texts(write_pdf(dir, c.pdf));
        const std::string font = ps_font("Carlito", c.charStrings, make_font(c.psGlyphs), c.padded);
        const std::string ps = "%!PS\n" + font + "%%Page: 1 1\n";
        const std::string result = label_ligature_glyphs(ps, texts);
        if (c.expected.empty()) {
            EXPECT_EQ(result, ps);
        } else {
            std::string expected = ps;
            expected.replace(expected.find("/FontName /Carlito def\n"), 23, c.expected);
            EXPECT_EQ(result, expected);
        }
    }
}

TEST(LigatureGlyphNames, EachLabelledFontGetsANameOfItsOwn) {
    test::TempDir dir;
    const LigatureTexts texts = read_ligature_texts(
        write_pdf(dir, {{{"", kFt, kTi}, "beginbfrange\n<01> <02> <00660074>\nendbfrange"}}));
    // A range with one text counts its last unit up: 01 = "ft", 02 = "fu".
    const std::string ps = ps_font("Carlito", {"/g1 1 def"}, make_font({"", kFt})) +
                           ps_font("Carlito", {"/a 1 def"}, make_font({"", kF})) +
                           ps_font("Carlito", {"/g1 1 def"}, make_font({"", kTi}));
    const std::string result = label_ligature_glyphs(ps, texts);
    EXPECT_NE(result.find(
                  "/FontName /Carlito-L1 def\n/FontInfo << /GlyphNames2Unicode << /g1 <00660074> >> >> def"),
              std::string::npos);
    EXPECT_NE(result.find("/FontName /Carlito def\n"), std::string::npos);
    EXPECT_NE(result.find(
                  "/FontName /Carlito-L2 def\n/FontInfo << /GlyphNames2Unicode << /g1 <00660075> >> >> def"),
              std::string::npos);
}

}  // namespace
}  // namespace vane
