// The built-in document properties as the office backend reads them: keywords
// as the author typed them, from a .docx and from a .doc.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "OfficeTestSupport.h"
#include "word/office/CoreKeywords.h"

namespace vane {
namespace {

using namespace word;

TEST(CoreKeywords, TheStoredTextOfTheKeywordsElement) {
    const std::string head =
        "<?xml version=\"1.0\"?><cp:coreProperties xmlns:cp=\"c\" xmlns:dc=\"d\"><dc:title>T</dc:title>";
    struct Case {
        const char* name;
        std::string xml;
        std::optional<std::string> keywords;
    } const cases[] = {
        {"blanks and punctuation kept", head + "<cp:keywords>annual report; R&amp;D, (draft)</cp:keywords>",
         "annual report; R&D, (draft)"},
        {"empty element", head + "<cp:keywords></cp:keywords>", ""},
        {"self-closing element", head + "<cp:keywords/>", ""},
        {"missing element", head + "<dc:subject>keywords</dc:subject>", std::nullopt},
        {"another prefix", "<p:coreProperties xmlns:p=\"c\"><p:keywords>a b</p:keywords>", "a b"},
        {"no prefix, attributes", "<coreProperties><keywords xml:lang=\"en\">x</keywords>", "x"},
        {"character references",
         head + "<cp:keywords>&#233;t&#xE9; &lt;&gt;&quot;&apos; &bogus;</cp:keywords>",
         "\xC3\xA9t\xC3\xA9 <>\"' &bogus;"},
        {"language-tagged values",
         head + "<cp:keywords>one <cp:value xml:lang=\"fr\">deux</cp:value></cp:keywords>", "one deux"},
        {"unclosed element", head + "<cp:keywords>lost", std::nullopt},
        {"not a closing tag", head + "</cp:keywords>", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(core_keywords(c.xml), c.keywords);
    }
}

class OfficeProperties : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }
};

TEST_F(OfficeProperties, TitleAuthorSubjectAndKeywordsAsStored) {
    struct Case {
        std::string path;
        const char* title;
        const char* author;
        const char* subject;
        const char* keywords;
    };
    const std::string corpus = test::shared_dir() + "/corpus/public/";
    const char* source = std::getenv("VANE_SOURCE_DIR");
    const std::string docs = std::string(source == nullptr ? "." : source) + "/tests/data/docs/";
    const Case cases[] = {
        {corpus + "aspose__Rendering.docx", "ImportExport Test Document 2", "Roman Korchagin",
         "This file is to test most document features during import and export.", "keyword1, keyword2"},
        // The office's own list would split these at the blank.
        {corpus + "oxpt__HC061-Hyperlink-in-Field.docx", "", "KIM Jihyun, EXD/DKI/KIS", "", "DOCUMENT COTE"},
        {corpus + "poi__stress011.docx", "CRC/C/GC/20", "IBAL34 - MBOU", "GE. 1621563A", "ODS. 1640445"},
        // A .doc keeps its keywords split at commas.
        {corpus + "aspose__Template.doc", "ImportExport Test Document 2", "Roman Korchagin",
         "This file is to test most document features during import and export.", "keyword1, keyword2"},
        {corpus + "pandoc__headers.docx", "", "Jesse Rosenthal", "", ""},
        {docs + "properties.docx", "R\xC3\xA9sum\xC3\xA9 \xE2\x80\x94 \xE5\xA0\xB1\xE5\x91\x8A (draft)",
         "Zo\xC3\xAB O'Brien", "Costs (2024) \\ back\\slash", "annual report; R&D, (draft)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        auto document = test::shared_office().documents()->open(c.path, {});
        ASSERT_NE(document, nullptr);
        auto properties = document->builtInDocumentProperties();
        EXPECT_EQ(properties->value("Title"), c.title);
        EXPECT_EQ(properties->value("Author"), c.author);
        EXPECT_EQ(properties->value("Subject"), c.subject);
        EXPECT_EQ(properties->value("Keywords"), c.keywords);
        document->close(false);
    }
}

}  // namespace
}  // namespace vane
