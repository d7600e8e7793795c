#include "ConversionRunner.h"

#include "ArgumentVector.h"

namespace vane::desk {

std::vector<std::string> d2h_arguments(const CSetting& parameters, const std::string& path) {
    std::vector<std::string> arguments{"d2h", "-v", "-e"};
    if (!parameters.UseHome) arguments.push_back("-m");
    if (parameters.AllHeadingsHtml) arguments.push_back("-a");
    arguments.insert(arguments.end(), {"-p", std::to_string(parameters.IndexWidth), "-d",
                                       std::to_string(parameters.HeadingLevel + 1), "-k",
                                       std::to_string(parameters.SkipHeadings), path});
    return arguments;
}

std::vector<std::string> d2p_arguments(const CSetting& parameters, const std::string& path) {
    std::vector<std::string> arguments{"d2p",           "-v", "-p",
                                       kPdfPrinterName, "-d", std::to_string(parameters.HeadingLevelPdf)};
    if (!parameters.InternalLinks) arguments.push_back("-l");
    if (parameters.OpenBookmarks) arguments.push_back("-k");
    if (parameters.AllHeadingsPdf) arguments.push_back("-a");
    if (parameters.CrossReferences) arguments.push_back("-r");
    arguments.push_back(path);
    return arguments;
}

void run_conversion(const CoreFunctions& core, const CSetting& parameters, const std::string& path,
                    OutputKind kind) {
    if (path.empty()) return;
    if (kind == OutputKind::Pdf) {
        ArgumentVector arguments(d2p_arguments(parameters, path));
        if (core.d2p) core.d2p(arguments.argc(), arguments.argv());
    } else {
        ArgumentVector arguments(d2h_arguments(parameters, path));
        if (core.d2h) core.d2h(arguments.argc(), arguments.argv());
    }
}

}  // namespace vane::desk
