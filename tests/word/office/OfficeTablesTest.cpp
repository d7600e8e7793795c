// Tables with merged cells running over page breaks, and tables of figures,
// read through the automation surface: the page walk, the fields and the
// links must reach into every cell, and the figure entries must lead to
// their captions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "OfficeTestSupport.h"
#include "word/WordError.h"
#include "word/office/OfficeFields.h"
#include "word/office/TableCells.h"

namespace vane {
namespace {

using namespace word;

std::string our_document(const std::string& name) {
    return std::string(std::getenv("VANE_SOURCE_DIR")) + "/tests/data/docs/" + name;
}

std::string wide_document(const std::string& name) {
    return test::shared_dir() + "/corpus/wide/" + name;
}

TEST(TableCells, ColumnNamesRunThroughBothAlphabets) {
    const std::pair<int, const char*> names[] = {{0, "A"}, {25, "Z"}, {26, "a"}, {51, "z"}, {52, "AA"}, {53, "AB"}};
    for (const auto& [column, name] : names) EXPECT_EQ(TableCells::columnName(column), name) << column;
}

TEST(TableCells, CoveredCellsTakeTheirPlaceInTheirRow) {
    const struct {
        const char* what;
        std::vector<std::string> listed;
        int rows;
        std::set<std::string> covered;
        std::vector<std::string> ordered;
    } cases[] = {
        {"no merge", {"A1", "B1", "A2", "B2"}, 2, {}, {"A1", "B1", "A2", "B2"}},
        {"first column merged down",
         {"A1", "B1", "C1", "B2", "C2", "B3", "C3"},
         3,
         {"A2", "A3"},
         {"A1", "B1", "C1", "A2", "B2", "C2", "A3", "B3", "C3"}},
        {"middle column merged, rows of other widths",
         {"A1", "B1", "C1", "A2", "C2", "A3"},
         3,
         {"B2"},
         {"A1", "B1", "C1", "A2", "B2", "C2", "A3"}},
        {"split cell", {"A1", "B1.1.1", "B1.1.2", "C1"}, 1, {}, {"A1", "B1.1.1", "B1.1.2", "C1"}},
        {"a name of no known form is kept", {"A1", "odd"}, 1, {}, {"A1", "odd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::set<std::string> asked;
        const auto ordered = TableCells::inOrder(c.listed, c.rows, [&](const std::string& name) {
            asked.insert(name);
            return c.covered.count(name) != 0;
        });
        EXPECT_EQ(ordered, c.ordered);
        for (const std::string& name : c.listed) EXPECT_EQ(asked.count(name), 0u) << "listed cell asked for";
    }
}

class OfficeTables : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }

    std::unique_ptr<Document> open(const std::string& path) {
        auto document = test::shared_office().documents()->open(path, {});
        if (document) document->repaginate();
        return document;
    }
};

// Every page through the selection, as the publishing commands walk them.
struct PageWalk {
    std::vector<int> starts;
    int inTable = 0;  // pages that begin inside a table
};

PageWalk walk_pages(Application& app) {
    PageWalk walk;
    auto selection = app.selection();
    auto range = selection->goTo(kGoToPage, kGoToFirst, std::nullopt, {});
    for (int next = 2; range; ++next) {
        const int start = range->start();
        if (!walk.starts.empty() && start == walk.starts.back()) break;
        walk.starts.push_back(start);
        if (selection->information(kInfoWithInTable) == kInfoTrue) ++walk.inTable;
        range = selection->goToPage(next);
    }
    return walk;
}

TEST_F(OfficeTables, PagesStartingInsideMergedCellsAreWalked) {
    const struct {
        std::string path;
        int pages;
        int minInTable;  // pages known to begin inside a merged table
        int links;       // hyperlinks of the main text
    } cases[] = {
        // Two pages begin inside the portrait table's merged column, one inside the landscape one's.
        {our_document("merged-pages.docx"), 5, 3, 2},
        {wide_document("oxsdk__2007.docx"), 16, 1, -1},
        {wide_document("poi__stress010.docx"), 181, 1, -1},
        // Tables in the header and footer, and a floating table, hold fields and links.
        {wide_document("poi__60329.docx"), 3, 0, -1},
        {wide_document("aspose__Reporting_engine_template_-_Operators.docx"), 1, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto& app = test::shared_office();
        auto document = open(c.path);
        ASSERT_NE(document, nullptr);
        const PageWalk walk = walk_pages(app);
        EXPECT_EQ(static_cast<int>(walk.starts.size()), c.pages);
        for (std::size_t i = 1; i < walk.starts.size(); ++i)
            EXPECT_LT(walk.starts[i - 1], walk.starts[i]) << "page " << i + 1;
        EXPECT_GE(walk.inTable, c.minInTable);
        int count = 0;
        EXPECT_NO_THROW(count = document->fields()->count());
        EXPECT_NO_THROW(count = document->hyperlinks()->count());
        if (c.links >= 0) {
            EXPECT_EQ(count, c.links);
        }
        document->close(false);
    }
}

// The PAGEREF entries of the first table of figures: bookmark names in order.
std::vector<std::string> figure_entries(Fields& fields) {
    std::vector<std::string> names;
    bool inFigures = false;
    for (int i = 1; i <= fields.count(); ++i) {
        auto field = fields.item(i);
        const std::string code = field->code()->text();
        if (field->type() == kFieldToc) {
            if (inFigures) break;
            inFigures = code.find("\\c \"") != std::string::npos;
        } else if (inFigures && field->type() == kFieldPageRef) {
            const auto from = code.find("_Toc");
            names.push_back(code.substr(from, code.find(" \\h") - from));
        }
    }
    return names;
}

TEST_F(OfficeTables, FigureEntriesLeadToTheirCaptions) {
    const struct {
        std::string path;
        int entries;
        int created;     // captions without a bookmark of their own
        bool sequences;  // the office rebuilds the table from its captions' numbers
    } cases[] = {
        // The third caption has no bookmark; the office's rebuilt contents list
        // also lists the title, which has none either.
        {our_document("figures.docx"), 4, 2, true},
        // Gathered from a caption style: kept as saved, not emptied by the
        // refresh before measuring; only the title has no bookmark.
        {our_document("style-figures.docx"), 4, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto& app = test::shared_office();
        auto document = open(c.path);
        ASSERT_NE(document, nullptr);
        auto fields = document->fields();
        auto* office = dynamic_cast<OfficeFields*>(fields.get());
        ASSERT_NE(office, nullptr);
        const auto names = figure_entries(*fields);
        if (c.entries >= 0) {
            EXPECT_EQ(static_cast<int>(names.size()), c.entries);
        }
        EXPECT_FALSE(names.empty());
        EXPECT_EQ(office->createdNames, c.created);
        if (c.sequences) {
            EXPECT_GE(office->figureNames, static_cast<int>(names.size()));
        } else {
            EXPECT_EQ(office->figureNames, 0);
        }
        auto selection = app.selection();
        int lastPage = 0;
        for (const std::string& name : names) {
            auto target = selection->goToBookmark(name);
            ASSERT_NE(target, nullptr) << name;
            EXPECT_EQ(target->text().rfind("Figure", 0), 0u) << name << ": " << target->text();
            // Captions come in order, each on a page at or after the one before.
            const int page = static_cast<int>(selection->information(kInfoActiveEndPageNumber));
            EXPECT_GE(page, lastPage) << name;
            lastPage = page;
        }
        // The entries' own links carry the same names, none a sequence target.
        std::set<std::string> linked;
        auto links = document->hyperlinks();
        for (int i = 1; i <= links->count(); ++i) {
            const std::string target = links->item(i)->subAddress();
            EXPECT_EQ(target.find("|sequence"), std::string::npos) << target;
            linked.insert(target);
        }
        for (const std::string& name : names) EXPECT_EQ(linked.count(name), 1u) << name;
        document->close(false);
    }
}

}  // namespace
}  // namespace vane
