// A child program for the Windows tests. Its first argument says what to do:
//   exit <n>         end with exit code n
//   sleep <ms>       sleep, then end with 0
//   mutex <name>     create the named mutex: 0 created, 3 already there, 4 failed
//   convert          run d2h with no operand: 3 when the instance lock is held
//                    elsewhere (-3), 4 when the command got past it (-4)
//   cwd <file>       write the current directory into file
// Started under the name gswin32c.exe or gswin64c.exe it plays Ghostscript:
// it copies the file after -f to the file of -sOutputFile= and writes its
// arguments, one a line, and its working directory beside that output.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "MessageCatalog.h"
#include "vanecore/vanecore.h"

namespace {

std::string current_directory() {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, length);
}

void quiet_output(const char*, va_list) {}

void catalog_text(int id, char* buffer, int size) {
    const char* text = vane::catalog::text(id, vane::catalog::Language::English);
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text != nullptr ? text : "");
}

int play_ghostscript(int argc, char** argv) {
    std::string output;
    std::string input;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-sOutputFile=", 13) == 0) output = argv[i] + 13;
        if (std::strcmp(argv[i], "-f") == 0 && i + 1 < argc) input = argv[i + 1];
    }
    if (output.empty() || input.empty()) return 2;
    std::ifstream in(input, std::ios::binary);
    if (!in) return 3;
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (content.find("FAIL") != std::string::npos) return 5;
    std::ofstream(output, std::ios::binary) << content;
    std::ofstream trace(output + ".args", std::ios::binary);
    for (int i = 1; i < argc; ++i) trace << argv[i] << "\n";
    trace << "cwd=" << current_directory() << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string self = argv[0];
    self = self.substr(self.find_last_of("\\/") + 1);
    for (char& c : self) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (self == "gswin32c.exe" || self == "gswin64c.exe") return play_ghostscript(argc, argv);

    if (argc < 2) return 100;
    const std::string what = argv[1];
    if (what == "exit" && argc > 2) return std::atoi(argv[2]);
    if (what == "sleep" && argc > 2) {
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        return 0;
    }
    if (what == "mutex" && argc > 2) {
        HANDLE mutex = CreateMutexA(nullptr, TRUE, argv[2]);
        if (mutex == nullptr) return 4;
        return GetLastError() == ERROR_ALREADY_EXISTS ? 3 : 0;
    }
    if (what == "convert") {
        InitLib(quiet_output, catalog_text, nullptr);
        char name[] = "d2h";
        char* arguments[] = {name, nullptr};
        return -d2h(1, arguments);
    }
    if (what == "cwd" && argc > 2) {
        std::ofstream(argv[2], std::ios::binary) << current_directory();
        return 0;
    }
    return 101;
}
