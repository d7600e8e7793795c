// A function table for the dialogs whose exports record their calls and
// answer with preset results; d2h and d2p can print into the log like the
// library does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CoreFunctions.h"
#include "LogPrint.h"

namespace vane::desk::test {

struct RecordingCore {
    int wordVersion = 7;
    bool ghostscript = true;
    bool distiller = false;
    std::function<void()> duringConversion;  // runs inside d2h or d2p

    std::vector<std::string> calls;
    std::vector<std::string> arguments;  // of the last call with an argument vector
    bool terminated = false;             // argv[argc] was null

    CoreFunctions Functions() {
        CoreFunctions core;
        core.d2h = [this](int argc, char* argv[]) { return Convert("d2h", argc, argv); };
        core.d2p = [this](int argc, char* argv[]) { return Convert("d2p", argc, argv); };
        core.display_info = [this](int argc, char* argv[]) {
            Record("display_info", argc, argv);
            print_log("\r\nFolivane banner");
            return 0;
        };
        core.check_ghostscript = [this] {
            calls.push_back("check_ghostscript");
            return ghostscript;
        };
        core.check_distiller = [this] {
            calls.push_back("check_distiller");
            return distiller;
        };
        core.check_winword = [this] {
            calls.push_back("check_winword");
            return wordVersion;
        };
        return core;
    }

private:
    void Record(const char* name, int argc, char* argv[]) {
        calls.push_back(name);
        arguments.assign(argv, argv + argc);
        terminated = argv[argc] == nullptr;
    }
    int Convert(const char* name, int argc, char* argv[]) {
        Record(name, argc, argv);
        if (duringConversion) duringConversion();
        print_log("\r\nProcess terminated successfully");
        return 0;
    }
};

}  // namespace vane::desk::test
