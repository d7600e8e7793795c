#include "pdf/D2pNames.h"

#include "frame/Options.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vane {

namespace {

// Where the extension of the file name starts (its last '.'), or npos when
// the file name has none; a '.' in a folder name does not count.
std::size_t extension_start(const std::string& path, const PathRules& rules) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = rules.lastSeparator(path);
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string::npos;
    return dot;
}

// Two names that reach the same file (or would, once both exist).
bool same_path(const std::string& a, const std::string& b, const PathRules& rules) {
    if (rules.sameSpelling(a, b)) return true;
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    std::error_code ea, eb;
    const auto ca = std::filesystem::weakly_canonical(a, ea);
    const auto cb = std::filesystem::weakly_canonical(b, eb);
    return !ea && !eb && rules.sameSpelling(ca.string(), cb.string());
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found && !ec;
}

}  // namespace

std::string find_d2p_operand(int argc, char* argv[]) { return find_operand(argc, argv, "aklrsvw"); }

std::string absolute_path(const std::string& path, const std::string& currentDirectory,
                          const PathRules& rules) {
    return rules.absolute(path, currentDirectory);
}

D2pNames derive_d2p_names(const std::string& operand, const std::string& outputOption,
                          const std::string& jobOption, const std::string& currentDirectory,
                          const PathRules& rules) {
    D2pNames n;
    n.document = rules.absolute(operand, currentDirectory);
    n.job = rules.absolute(jobOption, currentDirectory);

    const std::size_t dot = extension_start(n.document, rules);
    if (!outputOption.empty()) {
        n.pdf = rules.absolute(outputOption, currentDirectory);
    } else {
        n.pdf = (dot == std::string::npos ? n.document : n.document.substr(0, dot)) + ".pdf";
    }
    // The output is deleted first and printed into: never the document.
    if (same_path(n.pdf, n.document, rules)) n.pdf += ".pdf";

    n.markFile = n.pdf + ".ps_2.ps";
    for (int k = 3; same_path(n.markFile, n.document, rules); ++k)
        n.markFile = n.pdf + ".ps_" + std::to_string(k) + ".ps";

    // The working copy is written over and deleted: it must not be a file of
    // the user's, nor one of the run's other files.
    const std::string stem = dot == std::string::npos ? n.document : n.document.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : n.document.substr(dot);
    n.workingCopy = stem + "_fv" + extension;
    for (int k = 2; exists(n.workingCopy) || same_path(n.workingCopy, n.pdf, rules) ||
                    same_path(n.workingCopy, n.markFile, rules) || same_path(n.workingCopy, n.document, rules);
         ++k) {
        n.workingCopy = stem + "_fv" + std::to_string(k) + extension;
    }
    return n;
}

std::string printed_pdf_path(const std::string& temporaryDirectory, int processId) {
    std::string folder = temporaryDirectory;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.empty()) return {};
    if (folder != "/") folder += '/';
    return folder + "vane-printed-" + std::to_string(processId) + ".pdf";
}

}  // namespace vane
