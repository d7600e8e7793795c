#include "html/D2hNames.h"

#include "frame/Options.h"

#include <cctype>
#include <cstring>
#include <filesystem>

namespace vane {

namespace {

constexpr char kSeparator = '/';

std::string without_trailing_separators(std::string path) {
    while (path.size() > 1 && path.back() == kSeparator) path.pop_back();
    return path;
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool same_file_name(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

// Whether `inner` lies inside directory `outer` (or is it).
bool lies_within(const std::string& inner, const std::string& outer) {
    std::error_code ec;
    const std::filesystem::path i = std::filesystem::weakly_canonical(inner, ec);
    const std::filesystem::path o = std::filesystem::weakly_canonical(outer, ec);
    const std::string is = i.string(), os = o.string();
    if (is == os) return true;
    return is.size() > os.size() && is.compare(0, os.size(), os) == 0 &&
           (os.back() == kSeparator || is[os.size()] == kSeparator);
}

bool same_path(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

}  // namespace

std::string find_d2h_operand(int argc, char* argv[]) { return find_operand(argc, argv, "emsvwxz"); }

bool is_absolute_path(const std::string& path) { return !path.empty() && path[0] == kSeparator; }

D2hNames derive_d2h_names(const std::string& operand, const std::string& outputOption,
                          const std::string& currentDirectory) {
    D2hNames n;
    n.document = is_absolute_path(operand) ? operand : currentDirectory + kSeparator + operand;

    const std::size_t slash = n.document.rfind(kSeparator);
    const std::string fileName = n.document.substr(slash + 1);
    const std::size_t dot = fileName.rfind('.');
    n.baseName = dot == std::string::npos ? fileName : fileName.substr(0, dot);

    if (!outputOption.empty()) {
        n.outputDirectory = is_absolute_path(outputOption) ? outputOption
                                                           : currentDirectory + kSeparator + outputOption;
    } else {
        const std::size_t docDot = n.document.rfind('.');
        n.outputDirectory = docDot != std::string::npos && docDot > slash ? n.document.substr(0, docDot)
                                                                          : n.document;
    }
    n.outputDirectory = without_trailing_separators(n.outputDirectory);

    const std::string prefix = n.outputDirectory + kSeparator + n.baseName;
    n.sitePage = prefix + ".html";
    n.fullHtml = prefix + "_full.html";
    // The working copy must never be the document: a document that already
    // lies in the output directory as <base>.doc keeps its place.
    n.workingCopy = prefix + ".doc";
    for (int k = 1; same_path(n.workingCopy, n.document); ++k)
        n.workingCopy = prefix + "_work" + (k > 1 ? std::to_string(k) : std::string()) + ".doc";
    n.outputHoldsDocument = lies_within(n.document, n.outputDirectory);
    return n;
}

std::string frameset_page(const std::string& baseName, const std::string& indexWidth,
                          const std::string& mainPage) {
    std::string page;
    page += "<html>\n<head>\n\t<title>";
    page += baseName;
    page += "\t</title>\n";
    page += "</head>\n";
    page += "\t<frameset cols=\"";
    page += indexWidth;
    page += ",*\" framespacing=\"1\" border=\"2\">\n";
    page += "\t\t<frame name=\"index\" target=\"index\" src=\"";
    page += baseName;
    page += "_index.html\" />\n";
    page += "\t\t<frame name=\"main\" frameborder=\"1\" src=\"";
    page += mainPage;
    page += "\">\n";
    page += "\t\t<noframes>\n";
    page += "\t\t\t<body>\n";
    page += "\t\t\t\t<p>Your browser should accept frames.</p>\n";
    page += "\t\t\t</body>\n";
    page += "\t\t</noframes>\n";
    page += "\t</frameset>\n";
    page += "</html>\n";
    return page;
}

std::string index_copy_path(const D2hNames& names) {
    const std::string index = names.outputDirectory + kSeparator + "index.html";
    return same_file_name(index, names.sitePage) ? std::string() : index;
}

std::string htm_copy_path(const D2hNames& names) {
    const std::string& site = names.sitePage;
    const std::string low = lower(site);
    const std::size_t first = low.find(".html");
    if (first == std::string::npos || first + 5 != low.size()) return {};
    return site.substr(0, site.size() - 1);
}

}  // namespace vane
