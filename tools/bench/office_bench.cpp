// Times the office backend step by step on the generated benchmark document
// (some 150 pages, tools/bench/make_bench_doc.py), in the order d2p takes them:
// office start, open, preparing the view, the document-information page walk,
// the heading walk, the link walks of the link list (table of contents, other
// hyperlinks, destinations), then the link regions alone (every body hyperlink
// selected and measured, and the same walk without measuring), the cost of
// single remote calls the region routines make, the HTML save and the print.
// Every step in seconds (progress on stderr, the summary on stdout).
//   office_bench [work directory [document]]
// Without a document, the generator writes bench.docx into the work directory
// (reused when it is already there).
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pdf/CBookmarkList.h"
#include "pdf/CLinkList.h"
#include "pdf/CRegionList.h"
#include "pdf/PrintedPdf.h"
#include "word/Application.h"
#include "word/CDocinfo.h"
#include "word/Document.h"
#include "word/Documents.h"
#include "word/Hyperlink.h"
#include "word/Hyperlinks.h"
#include "word/Range.h"
#include "word/Selection.h"
#include "word/View.h"
#include "word/Window.h"
#include "word/WordBackend.h"
#include "word/WordConstants.h"
#include "word/WordError.h"

namespace {

namespace fs = std::filesystem;

bool make_document(const fs::path& directory, fs::path& docx) {
    docx = directory / "bench.docx";
    if (fs::exists(docx)) return true;
    const std::string command =
        "python3 '" VANE_BENCH_SOURCE_DIR "/tools/bench/make_bench_doc.py' '" + directory.string() + "'";
    return std::system(command.c_str()) == 0 && fs::exists(docx);
}

double seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Figure {
    const char* name;
    double seconds;
};

struct RegionWalk {
    int hyperlinks = 0;
    int regions = 0;
};

// Every hyperlink of the body selected, and measured when `measure` is set:
// the region cost is the difference between the two walks.
RegionWalk walk_body_hyperlinks(vane::word::Application& app, vane::word::Document& doc,
                                const vane::CDocinfo& info, bool measure) {
    RegionWalk walk;
    const auto selection = app.selection();
    const auto hyperlinks = doc.hyperlinks();
    walk.hyperlinks = hyperlinks->count();
    std::int32_t pageHint = 1;
    for (int i = 1; i <= walk.hyperlinks; ++i) {
        const auto hyperlink = hyperlinks->item(i);
        if (hyperlink->type() != vane::word::kHyperlinkRange) continue;
        hyperlink->range()->select();
        if (!measure) continue;
        vane::CRegionList regions;
        regions.measureSelection(*selection, info, pageHint, nullptr);
        walk.regions += static_cast<int>(regions.regions.size());
    }
    return walk;
}

struct CallCost {
    const char* name;
    std::function<void()> call;
};

// Milliseconds per remote call, each timed over `rounds` calls with the
// selection on body hyperlinks spread over the document.
void print_call_costs(vane::word::Application& app, vane::word::Document& doc) {
    const auto selection = app.selection();
    const auto hyperlinks = doc.hyperlinks();
    const int count = hyperlinks->count();
    if (count == 0) return;
    const std::vector<CallCost> costs = {
        {"selection start()", [&] { selection->start(); }},
        {"selection range() + end()", [&] { selection->range()->end(); }},
        {"selection range() + text()", [&] { selection->range()->text(); }},
        {"selection range() + storyType()", [&] { selection->range()->storyType(); }},
        {"information(vertical position)",
         [&] { selection->information(vane::word::kInfoVerticalPosition); }},
        {"information(horizontal position)",
         [&] { selection->information(vane::word::kInfoHorizontalPosition); }},
        {"range() + font() + size()", [&] { selection->range()->font()->size(); }},
        {"move(character, 1) and back",
         [&] {
             selection->move(vane::word::kUnitCharacter, 1);
             selection->move(vane::word::kUnitCharacter, -1);
         }},
        {"homeKey(line) + endKey(line)",
         [&] {
             selection->homeKey(vane::word::kUnitLine, vane::word::kMove);
             selection->endKey(vane::word::kUnitLine, vane::word::kMove);
         }},
    };
    constexpr int kSamples = 10;
    constexpr int kRounds = 20;
    for (const CallCost& cost : costs) {
        double total = 0;
        for (int k = 0; k < kSamples; ++k) {
            hyperlinks->item(1 + k * (count - 1) / kSamples)->range()->select();
            total += seconds([&] {
                for (int r = 0; r < kRounds; ++r) cost.call();
            });
        }
        std::printf("  %-40s %7.2f ms\n", cost.name, 1000 * total / (kSamples * kRounds));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const fs::path directory = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "office_bench";
    fs::create_directories(directory);
    fs::path docx;
    if (argc > 2) {
        docx = fs::absolute(argv[2]);
    } else if (!make_document(directory, docx)) {
        std::fprintf(stderr, "cannot make the benchmark document\n");
        return 1;
    }
    std::vector<Figure> figures;
    const auto timed = [&](const char* name, const std::function<void()>& step) {
        figures.push_back({name, seconds(step)});
        std::fprintf(stderr, "  %-44s %8.3f s\n", name, figures.back().seconds);
    };
    try {
        std::unique_ptr<vane::word::Application> app;
        timed("office start", [&] { app = vane::word::word_backend().createApplication(); });
        std::unique_ptr<vane::word::Document> doc;
        timed("open", [&] {
            auto documents = app->documents();
            doc = documents->open(docx.string(), vane::word::OpenOptions{});
        });
        if (!doc) {
            std::fprintf(stderr, "the office did not open %s\n", docx.string().c_str());
            app->quit();
            return 1;
        }
        timed("prepare (revisions, activate, print layout)", [&] {
            doc->acceptAllRevisions();
            doc->activate();
            doc->activeWindow()->activePane()->view()->setType(vane::word::kViewPrintLayout);
        });
        vane::CDocinfo info;
        std::int32_t pages = 0;
        timed("CDocinfo page walk", [&] { pages = info.load(*app, *doc); });

        vane::CBookmarkList bookmarks(&info);
        timed("heading walk", [&] { bookmarks.extractFromHeadings(*doc, *app); });

        vane::CLinkList links(info);
        timed("link walk: table of contents", [&] { links.extractTocLinks(*app, *doc); });
        const std::size_t tocLinks = links.links.size();
        timed("link walk: other hyperlinks", [&] { links.extractOtherLinks(*doc, *app); });
        timed("link walk: destinations", [&] { links.resolveDestinations(*app); });
        double linkWalk = 0;
        for (std::size_t i = figures.size() - 3; i < figures.size(); ++i) linkWalk += figures[i].seconds;
        figures.push_back({"link walk, all", linkWalk});

        RegionWalk selectOnly, measured;
        timed("body hyperlinks: select only",
              [&] { selectOnly = walk_body_hyperlinks(*app, *doc, info, false); });
        timed("body hyperlinks: select and measure",
              [&] { measured = walk_body_hyperlinks(*app, *doc, info, true); });
        figures.push_back({"link regions (measure minus select)",
                           figures[figures.size() - 1].seconds - figures[figures.size() - 2].seconds});

        std::printf("Cost of one call (body hyperlinks selected in turn):\n");
        print_call_costs(*app, *doc);

        timed("HTML save", [&] { doc->saveAs((directory / "bench.html").string(), 10, false); });
        vane::word::PrintOptions print;
        print.outputFileName = (directory / "bench.ps").string();
        print.preparePdf = [](const std::string& pdfPath, const std::string& outputPath) {
            vane::PrintedPdf(pdfPath).print(outputPath);
        };
        timed("print", [&] { doc->printOut(print); });
        doc->close(false);
        doc.reset();
        timed("quit", [&] { app->quit(); });

        std::printf("document      %s\npages         %d\noutline       %zu entries\n", docx.string().c_str(),
                    pages, bookmarks.size());
        std::printf("links         %zu (%zu from the table of contents)\n", links.links.size(), tocLinks);
        std::printf("body         %d hyperlinks, %d regions measured\n", measured.hyperlinks,
                    measured.regions);
        // The sum of the steps a d2p run takes: sums and the extra region walks left out.
        double total = 0;
        for (const Figure& f : figures) {
            std::printf("%-44s %8.3f s\n", f.name, f.seconds);
            const std::string name = f.name;
            const bool extra = name == "link walk, all" || name.rfind("link regions", 0) == 0 ||
                               name.rfind("body hyperlinks", 0) == 0;
            if (!extra) total += f.seconds;
        }
        std::printf("%-44s %8.3f s\n", "total of the d2p steps", total);
        return pages > 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "office error: %s\n", e.what());
        return 1;
    }
}
