// Opens the fake's document through the automation surface, as a command would.
#pragma once

#include <memory>

#include "fake_word/FakeWord.h"
#include "word/Word.h"

namespace vane::test {

struct OpenFake {
    std::unique_ptr<word::Application> app;
    std::unique_ptr<word::Document> doc;
    std::unique_ptr<word::Selection> sel;

    OpenFake() {
        app = word::word_backend().createApplication();
        doc = app->documents()->open("/tmp/doc.doc", {});
        sel = app->selection();
    }
};

// Three pages: Heading 1 and a wrapped paragraph; Heading 2 and a body line;
// a custom outline-level style and a last line.
//   [0,13) "Introduction\r"   [13,50) "This paragraph wraps " + "over two lines.\r"
//   [50,58) "Details\r"  [58,63) "Body\r"  [63,70) "Custom\r"  [70,74) "End\r"
inline void write_sample(FakeDocument& doc) {
    doc.style("My Heading", 1);
    doc.page();
    doc.paragraph("Heading 1").line("Introduction", 72);
    doc.paragraph().line("This paragraph wraps ", 100).line("over two lines.", 114);
    doc.page();
    doc.paragraph("Heading 2").line("Details", 72);
    doc.paragraph().line("Body", 100, 90);
    doc.page();
    doc.paragraph("My Heading").line("Custom", 72);
    doc.paragraph().line("End", 100);
}

}  // namespace vane::test
