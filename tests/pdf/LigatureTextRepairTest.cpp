// The producer's ToUnicode maps get back the ligature texts it byte-swapped,
// judged against the printed PDF's own maps.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "FaultEnv.h"
#include "TempDir.h"
#include "pdf/LigatureTextRepair.h"

#ifdef VANE_HAVE_QPDF
#include "PdfBytes.h"
#endif

namespace vane {
namespace {

std::string cmap(const std::string& body) {
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n1 begincodespacerange\n<00> "
           "<FF>\n"
           "endcodespacerange\n" +
           body + "endcmap\nCMapName currentdict /CMap defineresource pop\nend end\n";
}

TEST(LigatureTextRepair, SwapsTheBytesOfEveryUnit) {
    EXPECT_EQ(unit_swapped("00740069"), "74006900");
    EXPECT_EQ(unit_swapped("74006900"), "00740069");
    EXPECT_EQ(unit_swapped("0066"), "6600");
    EXPECT_EQ(unit_swapped("d835dc00"), "35d800dc");
    EXPECT_EQ(unit_swapped("007400"), "");  // not whole units
    EXPECT_EQ(unit_swapped(""), "");
}

TEST(LigatureTextRepair, CollectsMultiUnitDestinationsOfBothForms) {
    const std::string office = cmap(
        "3 beginbfchar\n<01> <0042>\n<05> <00740069>\n<0C> <00740074>\nendbfchar\n"
        "2 beginbfrange\n<20> <21> <00660066>\n<30> <31> [<0066006C> <0041>]\nendbfrange\n");
    EXPECT_EQ(multi_unit_destinations(office),
              (std::set<std::string>{"00740069", "00740074", "00660066", "0066006c"}));
    // Sources are never destinations, however long.
    EXPECT_TRUE(multi_unit_destinations(cmap("1 beginbfchar\n<00010002> <0041>\nendbfchar\n")).empty());
    EXPECT_TRUE(multi_unit_destinations("no map at all").empty());
}

struct RepairCase {
    const char* name;
    std::string produced;
    std::string expected;
};

void PrintTo(const RepairCase& c, std::ostream* out) {
    *out << c.name;
}

class CmapRepair : public ::testing::TestWithParam<RepairCase> {};

// What the office wrote: "ti", "tt", "ffl" and a surrogate pair.
const std::set<std::string> kKnown = {"00740069", "00740074", "00660066006c", "d835dc00"};

TEST_P(CmapRepair, RewritesOnlyGarbledDestinations) {
    EXPECT_EQ(repair_cmap(cmap(GetParam().produced), kKnown), cmap(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CmapRepair,
    ::testing::Values(
        // Ghostscript 10.0's form: one-code ranges, lower case, no spaces.
        RepairCase{"ranges",
                   "3 beginbfrange\n<01><01><0042>\n<05><05><74006900>\n<0c><0c><74007400>\nendbfrange\n",
                   "3 beginbfrange\n<01><01><0042>\n<05><05><00740069>\n<0c><0c><00740074>\nendbfrange\n"},
        RepairCase{"characters", "2 beginbfchar\n<05> <74006900>\n<06> <0066>\nendbfchar\n",
                   "2 beginbfchar\n<05> <00740069>\n<06> <0066>\nendbfchar\n"},
        RepairCase{"upper case kept", "1 beginbfchar\n<05> <66006600 6C00>\nendbfchar\n",
                   "1 beginbfchar\n<05> <00660066006C>\nendbfchar\n"},
        RepairCase{"surrogate pair", "1 beginbfchar\n<07> <35d800dc>\nendbfchar\n",
                   "1 beginbfchar\n<07> <d835dc00>\nendbfchar\n"},
        RepairCase{"array in a range", "1 beginbfrange\n<05> <06> [<74006900> <0066>]\nendbfrange\n",
                   "1 beginbfrange\n<05> <06> [<00740069> <0066>]\nendbfrange\n"},
        // A text that is right as written stays, even when its swap is known
        // too; so do single units and texts the office never wrote.
        RepairCase{"already right", "1 beginbfchar\n<05> <00740069>\nendbfchar\n",
                   "1 beginbfchar\n<05> <00740069>\nendbfchar\n"},
        RepairCase{"single unit", "1 beginbfchar\n<05> <7400>\nendbfchar\n",
                   "1 beginbfchar\n<05> <7400>\nendbfchar\n"},
        RepairCase{"unknown", "1 beginbfchar\n<05> <61006200>\nendbfchar\n",
                   "1 beginbfchar\n<05> <61006200>\nendbfchar\n"},
        // A source code that looks like a garbled text is not rewritten.
        RepairCase{"source", "1 beginbfchar\n<74006900> <0041>\nendbfchar\n",
                   "1 beginbfchar\n<74006900> <0041>\nendbfchar\n"},
        RepairCase{"range bounds", "1 beginbfrange\n<74006900> <74006900> <0041>\nendbfrange\n",
                   "1 beginbfrange\n<74006900> <74006900> <0041>\nendbfrange\n"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

TEST(LigatureTextRepair, BothFormsKnownLeavesTheTextAlone) {
    const std::set<std::string> both = {"00740069", "74006900"};
    const std::string map = cmap("1 beginbfchar\n<05> <74006900>\nendbfchar\n");
    EXPECT_EQ(repair_cmap(map, both), map);
}

#ifdef VANE_HAVE_QPDF

// A one-page PDF whose font's ToUnicode map is `map`.
std::string pdf_with_map(const std::string& map) {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, map);
    QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /TrueType /BaseFont /F /FirstChar 1 /LastChar 5 >>"));
    font.replaceKey("/ToUnicode", stream);
    QPDFObjectHandle page = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] /Resources << /Font << >> >> >>"));
    page.getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "BT /F1 12 Tf (\\005) Tj ET"));
    pdf.addPage(page, false);
    return test::pdf_bytes(pdf);
}

std::string map_of(const std::string& path) {
    QPDF pdf;
    pdf.processFile(path.c_str());
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.getKey("/ToUnicode").isStream()) continue;
        const auto data = object.getKey("/ToUnicode").getStreamData(qpdf_dl_generalized);
        return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    return {};
}

TEST(LigatureTextRepair, RewritesTheProducedPdfOnlyWhenATextIsGarbled) {
    test::TempDir dir;
    const std::string printed = dir.file("printed.pdf");
    const std::string produced = dir.file("out.pdf");
    test::write_text(printed, pdf_with_map(cmap("1 beginbfchar\n<05> <00740069>\nendbfchar\n")));

    test::write_text(produced, pdf_with_map(cmap("1 beginbfrange\n<05><05><74006900>\nendbfrange\n")));
    EXPECT_TRUE(repair_ligature_text(produced, printed));
    EXPECT_EQ(map_of(produced), cmap("1 beginbfrange\n<05><05><00740069>\nendbfrange\n"));
    EXPECT_FALSE(std::filesystem::exists(produced + ".repaired"));

    // A producer that kept the text: the file is not touched.
    const std::string right = pdf_with_map(cmap("1 beginbfrange\n<05><05><00740069>\nendbfrange\n"));
    test::write_text(produced, right);
    EXPECT_FALSE(repair_ligature_text(produced, printed));
    EXPECT_EQ(test::read_file(produced), right);

    // A printed PDF without ligatures has nothing to compare with.
    test::write_text(printed, pdf_with_map(cmap("1 beginbfchar\n<05> <0074>\nendbfchar\n")));
    EXPECT_FALSE(repair_ligature_text(produced, printed));

    EXPECT_THROW(repair_ligature_text(produced, dir.file("missing.pdf")), std::runtime_error);
}

// A disk that fills while the repaired PDF is written: the producer's PDF is
// kept as it was and the failure is reported, never a truncated file.
TEST(LigatureTextRepair, AFullDiskKeepsTheProducedPdfAndFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    test::TempDir dir;
    const std::string printed = dir.file("printed.pdf");
    const std::string produced = dir.file("out.pdf");
    test::write_text(printed, pdf_with_map(cmap("1 beginbfchar\n<05> <00740069>\nendbfchar\n")));
    const std::string garbled = pdf_with_map(cmap("1 beginbfchar\n<05> <74006900>\nendbfchar\n"));
    test::write_text(produced, garbled);
    // Every write to the repaired file's name lands on a device that is full.
    std::filesystem::create_symlink("/dev/full", produced + ".repaired");
    EXPECT_THROW(repair_ligature_text(produced, printed), std::runtime_error);
    EXPECT_EQ(test::read_file(produced), garbled);
}

// Each file service the repair needs, failing in turn: the producer's PDF is
// kept as it was, nothing is left beside it and the failure is reported.
TEST(LigatureTextRepair, AFailingWriteOrRenameKeepsTheProducedPdf) {
    struct Case {
        const char* name;
        long long budget;
        int failOpen;
        int failRename;
    } const cases[] = {
        {"no room at all", 0, 0, 0},
        {"room for a part of the file", 200, 0, 0},
        {"the file cannot be created", -1, 1, 0},
        {"the rename is refused", -1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string printed = dir.file("printed.pdf");
        const std::string produced = dir.file("out.pdf");
        test::write_text(printed, pdf_with_map(cmap("1 beginbfchar\n<05> <00740069>\nendbfchar\n")));
        const std::string garbled = pdf_with_map(cmap("1 beginbfchar\n<05> <74006900>\nendbfchar\n"));
        test::write_text(produced, garbled);
        test::FaultEnv fault;
        fault.writeBudget = c.budget;
        fault.failOpenForWrite = c.failOpen;
        fault.failRename = c.failRename;
        EXPECT_THROW(repair_ligature_text(produced, printed), std::runtime_error);
        EXPECT_EQ(test::read_file(produced), garbled);
        EXPECT_FALSE(std::filesystem::exists(produced + ".repaired"));
    }
}

#endif

}  // namespace
}  // namespace vane
