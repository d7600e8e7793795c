// Opens the fake word processor's document and loads its information, as the
// d2p command does before it looks for outline entries and links.
#pragma once

#include <memory>

#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane::test {

struct OpenFakeDocument {
    // Call after the test has written word.document().
    void open() {
        application = word.createApplication();
        documents = application->documents();
        document = documents->open("/docs/manual.doc", {});
        document->activate();
        info.load(*application, *document);
        selection = application->selection();
    }
    FakeDocument& doc() { return word.document(); }

    TestHost host;
    FakeWord word;
    std::unique_ptr<word::Application> application;
    std::unique_ptr<word::Documents> documents;
    std::unique_ptr<word::Document> document;
    std::unique_ptr<word::Selection> selection;
    CDocinfo info;
};

}  // namespace vane::test
