// Publishes every document of the public corpus with the real office and
// counts the marks that point off their page: an outline destination, a link
// rectangle or a link destination outside its page's media box. There must be none.
#define POINTERHOLDER_TRANSITION 4
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "OfficePublisher.h"

namespace vane::test {
namespace {

// The document names listed in the corpus manifest (first column, header skipped).
std::vector<std::string> public_corpus() {
    std::vector<std::string> names;
    std::ifstream manifest(shared_dir() + "/corpus/public/MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);
    while (std::getline(manifest, line)) {
        const std::string name = line.substr(0, line.find('\t'));
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

TEST(D2pCorpusOffPage, NoMarkLiesOffItsPage) {
    OfficePublisher publisher;
    const std::string notReady = publisher.start();
    if (notReady.rfind("no word processor", 0) == 0) GTEST_SKIP() << notReady;
    ASSERT_TRUE(notReady.empty()) << notReady;
    const std::vector<std::string> names = public_corpus();
    ASSERT_GE(names.size(), 40u) << "the corpus manifest lists too few documents";

    std::size_t published = 0, marks = 0, offPage = 0, dropped = 0;
    std::string notPublished;
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const OfficePublisher::Result r =
            publisher.publish(shared_dir() + "/corpus/public/" + names[i], "doc" + std::to_string(i), false);
        if (r.pdf.empty()) {
            notPublished += " " + names[i];
            continue;
        }
        ++published;
        const PdfReadBack pdf = read_marks(r.pdf);
        marks += pdf.outline.size() + pdf.links.size();
        for (const OffPageMark& mark : off_page_marks(pdf)) {
            ++offPage;
            ADD_FAILURE() << describe(mark);
        }
        for (std::size_t at = r.log.find(" dropped: "); at != std::string::npos;
             at = r.log.find(" dropped: ", at + 1))
            ++dropped;
    }
    std::printf(
        "[ measured ] public corpus: %zu of %zu published, %zu marks, %zu off their page, "
        "%zu dropped before writing\n",
        published, names.size(), marks, offPage, dropped);
    if (!notPublished.empty()) std::printf("[ not published ]%s\n", notPublished.c_str());
    EXPECT_EQ(offPage, 0u);
    // Most of the corpus must publish, or the count above means little.
    EXPECT_GE(published * 4, names.size() * 3);
}

}  // namespace
}  // namespace vane::test
