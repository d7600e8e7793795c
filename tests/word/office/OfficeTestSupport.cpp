#include "OfficeTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

#include "platform/Env.h"
#include "word/office/OfficeApplication.h"

namespace vane::test {

namespace {
std::unique_ptr<word::Application> office;

std::string decode_entities(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) {
            text.replace(at, std::strlen(from), to);
        }
    }
    return text;
}
}  // namespace

word::Application& shared_office() {
    if (!office) office = std::make_unique<OfficeApplication>(env(), OfficeProcessOptions{});
    return *office;
}

void quit_shared_office() {
    if (office) office->quit();
    office.reset();
}

std::string shared_dir() {
    const char* dir = std::getenv("VANE_SHARED_DIR");
    return dir != nullptr ? dir : "/work/shared";
}

std::vector<std::string> corpus_documents() {
    std::vector<std::string> files;
    for (const auto& item : std::filesystem::directory_iterator(shared_dir() + "/corpus/public")) {
        const std::string ext = item.path().extension().string();
        const char* only = std::getenv("VANE_OFFICE_CORPUS_FILTER");  // a name part, to run a few
        if (only != nullptr && item.path().filename().string().find(only) == std::string::npos) continue;
        if (ext == ".doc" || ext == ".docx") files.push_back(item.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string run_output(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    ::pclose(pipe);
    return out;
}

std::vector<PdfPage> read_pdf_layout(const std::string& pdfPath) {
    const std::string xml = run_output("pdftotext -bbox-layout '" + pdfPath + "' - 2>/dev/null");
    std::vector<PdfPage> pages;
    static const std::regex token(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<line xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">|<word [^>]*>([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), token); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        if (m[1].matched) {
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}});
        } else if (m[3].matched && !pages.empty()) {
            pages.back().lines.push_back(
                {std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), {}});
        } else if (m[7].matched && !pages.empty() && !pages.back().lines.empty()) {
            std::string& text = pages.back().lines.back().text;
            if (!text.empty()) text += ' ';
            text += decode_entities(m[7]);
        }
    }
    return pages;
}

std::string heading_title(const std::string& text) {
    std::string title;
    for (const char c : text) {
        if (c == '\t') {
            title += ' ';
            continue;
        }
        if (static_cast<unsigned char>(c) < 32) break;
        title += c;
    }
    return title;
}

}  // namespace vane::test
