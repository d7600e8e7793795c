// d2p with and without -r over one document with every kind of link -r adds:
// reference fields with and without "\h", one to a bookmark the document
// lacks, a contents page reference, and footnote and endnote marks. Each mark
// file is kept as a golden file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "D2pFixture.h"
#include "word/WordConstants.h"

namespace vane {
namespace {

using test::read_file;
using test::write_text;

std::string golden(const std::string& name) {
    const char* source = std::getenv("VANE_SOURCE_DIR");
    return source == nullptr ? std::string() : std::string(source) + "/tests/data/pdf/" + name;
}

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class D2pCrossReferencesTest : public test::D2pFixture {
protected:
    void writeDocument() {
        test::FakeDocument& doc = word.document();
        doc = test::FakeDocument();
        doc.page();
        doc.paragraph().line("Linked: see Results on page 2.", 100);
        int at = doc.find("Results");
        doc.field(word::kFieldRef, " REF _Ref10 \\h ", at, at + 7);
        at = doc.find("2.", at);
        doc.field(word::kFieldPageRef, " PAGEREF _Ref10 \\h ", at, at + 1);
        doc.paragraph().line("Plain: Results again.", 120);
        at = doc.find("Results", doc.find("Plain"));
        doc.field(word::kFieldRef, " REF _Ref10 \\* MERGEFORMAT ", at, at + 7);
        doc.paragraph().line("Broken: Missing here.", 140);
        at = doc.find("Missing");
        doc.field(word::kFieldRef, " REF _Ref99 \\h ", at, at + 7);
        doc.paragraph().line("A note1 and an endnotei.", 160);
        auto& note = doc.footnote(1);
        note.paragraph().font(10, 5).line(" The footnote.", 760);
        doc.noteReference(note, doc.find("1 and"), doc.find("1 and") + 1);
        doc.page();
        doc.paragraph("Heading 1").line("Results", 72);
        at = doc.find("Results", doc.pageStart(2));
        doc.bookmark("_Ref10", at, at + 7);
        auto& endnote = doc.endnote(2);
        endnote.paragraph().font(10, 5).line(" The endnote.", 300);
        doc.noteReference(endnote, doc.find("i."), doc.find("i.") + 1);
        doc.postScript = test::kPrintedPostScript;
    }
};

TEST_F(D2pCrossReferencesTest, CrossReferenceOptionAddsFieldAndNoteLinks) {
    writeDocument();
    const struct {
        std::vector<std::string> extra;
        const char* golden;
        std::size_t links;
    } cases[] = {
        // Without -r: the heading's outline entry and no link at all.
        {{}, "d2p_no_cross_references_marks.ps", 0},
        // With -r: REF and PAGEREF with \h (not the plain REF, nor the one to
        // a missing bookmark); each note's mark and its number.
        {{"-r"}, "d2p_cross_references_marks.ps", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        env.starts.clear();
        ASSERT_EQ(run(c.extra), 0) << host.output();
        const std::string marks = markFileRead();
        const std::string file = golden(c.golden);
        if (std::getenv("VANE_UPDATE_GOLDEN") != nullptr) write_text(file, marks);
        const std::string expected = read_file(file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(marks, expected);
        EXPECT_EQ(count_of(marks, "/Subtype /Link"), c.links);
    }
}

}  // namespace
}  // namespace vane
