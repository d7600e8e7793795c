// Runs the outline walk on a fake document: the test writes the document into
// `doc`, then extract() opens it, loads its information and fills `list`.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "frame/LibraryState.h"
#include "pdf/CBookmarkList.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane::test {

// What an entry holds after extraction, for comparing whole lists.
struct Entry {
    std::string value;
    int level;
    int page;
    int y;
    bool operator==(const Entry&) const = default;
};

inline void PrintTo(const Entry& e, std::ostream* os) {
    *os << "{\"" << e.value << "\", level " << e.level << ", page " << e.page << ", y " << e.y << "}";
}

class OutlineFixture : public ::testing::Test {
protected:
    void SetUp() override { state().verbose = true; }

    // Opens the document, loads its information and runs the heading walk
    // (which falls back to the table of contents) with `maxLevel`; with
    // `allHeadings`, every paragraph with an outline level is a heading.
    CBookmarkList& extract(int maxLevel = 6, bool allHeadings = false) {
        application = word.createApplication();
        documents = application->documents();
        document = documents->open("/docs/manual.doc", {});
        EXPECT_GT(info.load(*application, *document), 0);
        list = std::make_unique<CBookmarkList>(&info);
        list->maxLevel = maxLevel;
        list->allHeadings = allHeadings;
        list->extractFromHeadings(*document, *application);
        return *list;
    }

    std::vector<Entry> entries() const {
        std::vector<Entry> out;
        for (const auto& e : list->entries) out.push_back({e->value, e->level, e->page, e->y});
        return out;
    }

    // Bookmarks `text` where it occurs on or after `page` (past a table of contents).
    void bookmarkFrom(int page, const std::string& text, const std::string& name) {
        const int at = doc.find(text, doc.pageStart(page));
        ASSERT_GE(at, 0) << text;
        doc.bookmark(name, at, at + static_cast<int>(text.size()));
    }

    TestHost host;
    FakeWord word;
    FakeDocument& doc = word.document();
    std::unique_ptr<word::Application> application;
    std::unique_ptr<word::Documents> documents;
    std::unique_ptr<word::Document> document;
    CDocinfo info;
    std::unique_ptr<CBookmarkList> list;
};

}  // namespace vane::test
