// Splits a generated HTML document of about 60 MB with thousands of headings,
// anchors and internal links, and prints the throughput.
//   split_bench [work directory] [megabytes]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "html/HTMLSplit.h"

namespace {

std::string make_document(std::size_t targetBytes, int& headings) {
    std::string html =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n<html>\n<head>\n"
        "\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"/>\n"
        "\t<title>Benchmark</title>\n</head>\n<body lang=\"en-GB\" dir=\"ltr\">\n";
    html.reserve(targetBytes + 4096);
    const std::string paragraph =
        "<p class=\"western\" style=\"margin-bottom: 0.2cm\">Lorem ipsum dolor sit amet, consectetur "
        "adipiscing elit, sed do <b>eiusmod</b> tempor incididunt ut labore et dolore magna aliqua. "
        "Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip.</p>\n";
    headings = 0;
    int section = 0;
    while (html.size() < targetBytes) {
        ++section;
        const int level = 1 + section % 4;  // levels 1 to 4; 4 stays inside its page
        html += "<h" + std::to_string(level) + " class=\"western\"><a name=\"_Toc" + std::to_string(section) +
                "\"></a>Section&nbsp;" + std::to_string(section) + " <span>title</span></h" +
                std::to_string(level) + ">\n";
        if (level <= 3) ++headings;
        for (int i = 0; i < 40; ++i) html += paragraph;
        html += "<p>See <a href=\"#_Toc" + std::to_string(section / 2 + 1) +
                "\">an earlier section</a> and " +
                "<a href=\"https://example.org/page#top\">the web</a>.</p>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
    const std::size_t megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 60;
    const fs::path dir = base / ("split_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path input = dir / "bench.html";

    int headings = 0;
    {
        const std::string html = make_document(megabytes * 1000 * 1000, headings);
        std::FILE* out = std::fopen(input.c_str(), "wb");
        if (out == nullptr || std::fwrite(html.data(), 1, html.size(), out) != html.size()) {
            std::fprintf(stderr, "cannot write %s\n", input.c_str());
            return 1;
        }
        std::fclose(out);
    }
    const double size = static_cast<double>(fs::file_size(input));

    std::vector<int> levels;
    std::vector<std::string> pages, titles;
    vane::HTMLSplit split;
    split.inputPath = input.string();
    split.title = "Benchmark";
    split.levels = &levels;
    split.pages = &pages;
    split.titles = &titles;

    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const bool ok = split.Split();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("input %.1f MB, %d page-starting headings, %zu pages, %s\n", size / 1e6, headings,
                pages.size(), ok ? "split ok" : "SPLIT FAILED");
    // The processor time shows the splitter's own cost on a machine shared with other work.
    std::printf("wall %.3f s, %.1f MB/s; processor %.3f s, %.1f MB/s\n", seconds, size / 1e6 / seconds, cpu,
                size / 1e6 / cpu);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
