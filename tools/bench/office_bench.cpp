// Times the office backend on a generated document of about 150 pages:
// office start, open, the full document-information page walk, HTML save and
// print, each in seconds.
//   office_bench [work directory]
// The document is written as Markdown and turned into .docx by pandoc.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "pdf/CDocinfo.h"
#include "word/Application.h"
#include "word/Document.h"
#include "word/Documents.h"
#include "word/WordBackend.h"
#include "word/WordError.h"

namespace {

namespace fs = std::filesystem;

// About 0.8 page per section (190 sections: some 150 pages): a heading and six paragraphs of some 80 words.
bool make_document(const fs::path& directory, int sections, fs::path& docx) {
    const fs::path markdown = directory / "bench.md";
    std::ofstream out(markdown);
    const std::string sentence =
        "The quick brown fox jumps over the lazy dog while the office lays out another page of text. ";
    for (int s = 1; s <= sections; ++s) {
        out << (s % 4 == 1 ? "# Chapter " : "## Section ") << s << "\n\n";
        for (int p = 0; p < 6; ++p) {
            for (int k = 0; k < 5; ++k) out << sentence;
            out << "\n\n";
        }
    }
    out.close();
    docx = directory / "bench.docx";
    const std::string command = "pandoc -o '" + docx.string() + "' '" + markdown.string() + "'";
    return out && std::system(command.c_str()) == 0 && fs::exists(docx);
}

double seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const fs::path directory = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "office_bench";
    fs::create_directories(directory);
    fs::path docx;
    if (!make_document(directory, 190, docx)) {
        std::fprintf(stderr, "cannot make the document with pandoc\n");
        return 1;
    }
    try {
        std::unique_ptr<vane::word::Application> app;
        const double start = seconds([&] { app = vane::word::word_backend().createApplication(); });
        std::unique_ptr<vane::word::Document> doc;
        const double open = seconds([&] {
            auto documents = app->documents();
            doc = documents->open(docx.string(), vane::word::OpenOptions{});
        });
        if (!doc) {
            std::fprintf(stderr, "the office did not open %s\n", docx.string().c_str());
            app->quit();
            return 1;
        }
        vane::CDocinfo info;
        std::int32_t pages = 0;
        const double walk = seconds([&] { pages = info.load(*app, *doc); });
        const double html =
            seconds([&] { doc->saveAs((directory / "bench.html").string(), 10, false); });
        vane::word::PrintOptions print;
        print.outputFileName = (directory / "bench.ps").string();
        const double printed = seconds([&] { doc->printOut(print); });
        doc->close(false);
        doc.reset();
        const double quit = seconds([&] { app->quit(); });
        std::printf("pages %d\n", pages);
        std::printf("office start  %.3f s\nopen          %.3f s\npage walk     %.3f s\nHTML save     %.3f s\n"
                    "print         %.3f s\nquit          %.3f s\n",
                    start, open, walk, html, printed, quit);
        return pages > 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "office error: %s\n", e.what());
        return 1;
    }
}
