#include <gtest/gtest.h>

#include "word/office/PostScriptPrint.h"

namespace vane {
namespace {

TEST(MarkLandscapePages, AddsThePageMarkAfterTheSetupOfLandscapePagesOnly) {
    const std::string ps =
        "%!PS-Adobe-3.0\n%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\nq\n"
        "%%Page: 2 2\n%%BeginPageSetup\n%%EndPageSetup\nQ\n"
        "%%Page: 3 3\n%%BeginPageSetup\n%%EndPageSetup";
    struct Case {
        std::vector<bool> landscape;
        std::string expected;
    };
    const Case cases[] = {
        {{false, false, false}, ps},
        {{false, true, false},
         "%!PS-Adobe-3.0\n%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\nq\n"
         "%%Page: 2 2\n%%BeginPageSetup\n%%EndPageSetup\n[ /Rotate 270 /PAGE pdfmark\nQ\n"
         "%%Page: 3 3\n%%BeginPageSetup\n%%EndPageSetup"},
        // The last page's setup line without a line end; a list shorter than the pages.
        {{true, false, true},
         "%!PS-Adobe-3.0\n%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\n[ /Rotate 270 /PAGE pdfmark\nq\n"
         "%%Page: 2 2\n%%BeginPageSetup\n%%EndPageSetup\nQ\n"
         "%%Page: 3 3\n%%BeginPageSetup\n%%EndPageSetup\n[ /Rotate 270 /PAGE pdfmark\n"},
        {{true},
         "%!PS-Adobe-3.0\n%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\n[ /Rotate 270 /PAGE pdfmark\nq\n"
         "%%Page: 2 2\n%%BeginPageSetup\n%%EndPageSetup\nQ\n"
         "%%Page: 3 3\n%%BeginPageSetup\n%%EndPageSetup"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.landscape.size());
        EXPECT_EQ(mark_landscape_pages(ps, c.landscape), c.expected);
    }
    // Setup comments before the first page are left alone.
    EXPECT_EQ(mark_landscape_pages("%%EndPageSetup\n", {true}), "%%EndPageSetup\n");
}

}  // namespace
}  // namespace vane
