#include "html/D2hNames.h"

#include "frame/Options.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vane {

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool same_path(const std::string& a, const std::string& b, const PathRules& rules) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return rules.sameSpelling(canonical_or_self(a).string(), canonical_or_self(b).string());
}

}  // namespace

std::filesystem::path canonical_or_self(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    return ec ? std::filesystem::path(path) : p;
}

// Whether `inner` lies inside directory `outer` (or is it), compared name by
// name as the file system compares them.
bool lies_within(const std::string& inner, const std::string& outer, const PathRules& rules) {
    if (inner.empty() || outer.empty()) return false;
    const std::filesystem::path i = canonical_or_self(inner);
    const std::filesystem::path o = canonical_or_self(outer);
    auto it = i.begin();
    for (auto ot = o.begin(); ot != o.end(); ++ot, ++it) {
        if (ot->empty()) continue;  // trailing separator
        if (it == i.end() || !rules.sameSpelling(it->string(), ot->string())) return false;
    }
    return true;
}

std::string find_d2h_operand(int argc, char* argv[]) { return find_operand(argc, argv, "aemsvwxz"); }

D2hNames derive_d2h_names(const std::string& operand, const std::string& outputOption,
                          const std::string& currentDirectory, const PathRules& rules) {
    D2hNames n;
    n.document = rules.absolute(operand, currentDirectory);

    const std::size_t slash = rules.lastSeparator(n.document);
    const std::string fileName = rules.fileName(n.document);
    const std::size_t dot = fileName.rfind('.');
    n.baseName = dot == std::string::npos ? fileName : fileName.substr(0, dot);

    if (!outputOption.empty()) {
        n.outputDirectory = rules.absolute(outputOption, currentDirectory);
    } else {
        // A '.' in a folder name is no extension.
        const std::size_t docDot = n.document.rfind('.');
        n.outputDirectory = docDot != std::string::npos && (slash == std::string::npos || docDot > slash)
                                ? n.document.substr(0, docDot)
                                : n.document;
    }
    n.outputDirectory = rules.withoutTrailingSeparators(n.outputDirectory);

    const std::string prefix = rules.join(n.outputDirectory, n.baseName);
    n.sitePage = prefix + ".html";
    n.fullHtml = prefix + "_full.html";
    // The working copy must never be the document: a document that already
    // lies in the output directory as <base>.doc keeps its place.
    n.workingCopy = prefix + ".doc";
    for (int k = 1; same_path(n.workingCopy, n.document, rules); ++k)
        n.workingCopy = prefix + "_work" + (k > 1 ? std::to_string(k) : std::string()) + ".doc";
    n.outputHoldsDocument = lies_within(n.document, n.outputDirectory, rules);
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

std::string index_copy_path(const D2hNames& names, const PathRules& rules) {
    std::string index = rules.join(names.outputDirectory, "index.html");
    if (rules.style() == PathRules::Style::Windows) index = lower(index);
    return lower(index) == lower(names.sitePage) ? std::string() : index;
}

std::string htm_copy_path(const D2hNames& names, const PathRules& rules) {
    const std::string low = lower(names.sitePage);
    const std::size_t first = low.find(".html");
    if (first == std::string::npos || first + 5 != low.size()) return {};
    const std::string& site = rules.style() == PathRules::Style::Windows ? low : names.sitePage;
    return site.substr(0, site.size() - 1);
}

}  // namespace vane
