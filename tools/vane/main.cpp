// vane: runs any vanecore export from a shell.
//   vane [-language FRENCH|ENGLISH] <export> [arguments...]
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ConsoleHost.h"
#include "MessageCatalog.h"
#include "vanecore/vanecore.h"

namespace {

const char* const kUsage =
    "usage: vane [-language FRENCH|ENGLISH] <export> [arguments...]\n"
    "\n"
    "Exports:\n"
    "  display_info                  print the banner\n"
    "  d2h [options] <document>      publish a document as a framed HTML site\n"
    "      -o <dir> output directory      -d <0..6> heading level starting a page (3)\n"
    "      -k <n> leading headings not starting a page   -p <width> index frame width (150)\n"
    "      -t <title> site title   -c <file> site stylesheet   -n ON|OFF Previous/Next bar\n"
    "      -m no home page   -x leave marked ranges out of the index (with -n OFF)\n"
    "      -e erase the output directory first   -z re-split an existing <base>_full.html\n"
    "      -a every paragraph with an outline level starts a page, not only the heading styles\n"
    "      -v verbose   -s silent   -w show the word processor\n"
    "  d2p [options] <document>      publish a document as a PDF with outline and links\n"
    "      -o <pdf> output file   -d <0..6> outline depth (6, 0: no outline)\n"
    "      -p <printer> PostScript printer   -c <folder> Ghostscript folder   -j <file> job file\n"
    "      -a outline from every paragraph with an outline level, numbered as shown\n"
    "      -r cross-references and footnote/endnote marks become links too\n"
    "      -l no links   -k open the outline panel   -v verbose   -s silent   -w show the word processor\n"
    "  check_ghostscript             exit 0 when Ghostscript is found, else 1\n"
    "  check_distiller               exit 0 when Acrobat Distiller is found, else 1\n"
    "  check_winword                 exit with the word processor's major version (0: none)\n"
    "  install_printer -p <name> -d <driver;driver;...>   install the PostScript printer\n"
    "  uninstall_printer -p <name>   remove the PostScript printer\n"
    "\n"
    "Exit status: 0 when the export returned 0, else 1 (the checks as described).\n";

using Command = int (*)(int, char*[]);

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry kCommands[] = {
    {"display_info", display_info}, {"d2h", d2h}, {"d2p", d2p},
    {"install_printer", install_printer}, {"uninstall_printer", uninstall_printer},
};

}  // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    vane::catalog::Language language = vane::catalog::language_from_environment();
    if (argc > 2 && std::strcmp(argv[1], "-language") == 0) {
        vane::catalog::parse_language(argv[2], language);
        first = 3;
    }
    if (first >= argc || std::strcmp(argv[first], "--help") == 0 ||
        std::strcmp(argv[first], "-h") == 0) {
        std::fputs(kUsage, first >= argc ? stderr : stdout);
        return first >= argc ? 2 : 0;
    }
    vane::catalog::set_current_language(language);
    InitLib(vane::host::console_output, vane::catalog::copy_message, nullptr);

    const std::string name = argv[first];
    if (name == "check_ghostscript") return check_ghostscript() ? 0 : 1;
    if (name == "check_distiller") return check_distiller() ? 0 : 1;
    if (name == "check_winword") return check_winword();

    for (const CommandEntry& command : kCommands) {
        if (name != command.name) continue;
        std::vector<char*> args(argv + first, argv + argc);
        args.push_back(nullptr);
        const int result = command.run(static_cast<int>(args.size() - 1), args.data());
        std::fputs("\n", stdout);
        return result == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "vane: unknown export '%s' (see vane --help)\n", name.c_str());
    return 2;
}
