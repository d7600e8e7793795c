// The vane host with one difference: d2h and d2p end the process with the
// export's result negated (result -8 exits with 8), so that a test sees the
// exact result code and not only success or failure.
//   vane_result <d2h|d2p> [arguments...]
#include <cstdio>
#include <cstring>
#include <vector>

#include "ConsoleHost.h"
#include "MessageCatalog.h"
#include "vanecore/vanecore.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: vane_result <d2h|d2p> [arguments...]\n", stderr);
        return 100;
    }
    vane::catalog::set_current_language(vane::catalog::Language::English);
    InitLib(vane::host::console_output, vane::catalog::copy_message, nullptr);
    int (*command)(int, char*[]) = nullptr;
    if (std::strcmp(argv[1], "d2h") == 0) command = d2h;
    if (std::strcmp(argv[1], "d2p") == 0) command = d2p;
    if (command == nullptr) {
        std::fprintf(stderr, "vane_result: unknown export '%s'\n", argv[1]);
        return 100;
    }
    std::vector<char*> args(argv + 1, argv + argc);
    args.push_back(nullptr);
    const int result = command(argc - 1, args.data());
    std::fputs("\n", stdout);
    std::fflush(stdout);
    return result <= 0 && result > -100 ? -result : 101;
}
