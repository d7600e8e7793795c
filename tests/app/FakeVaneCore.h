// Stands in for vanecore in the action tests: records the calls and answers
// with preset results.
#pragma once

#include <string>
#include <vector>

#include "VaneCoreApi.h"

namespace vane::desk::test {

class FakeVaneCore : public VaneCoreApi {
public:
    void InitLib(OutputCallback output, MessageCallback message, void* owner) override {
        calls.push_back("InitLib");
        this->output = output;
        this->message = message;
        this->owner = owner;
    }
    int install_printer(int argc, char* argv[]) override {
        return record("install_printer", argc, argv, installResult);
    }
    int uninstall_printer(int argc, char* argv[]) override {
        return record("uninstall_printer", argc, argv, uninstallResult);
    }
    bool check_ghostscript() override { return record("check_ghostscript", 0, nullptr, ghostscript); }
    bool check_distiller() override { return record("check_distiller", 0, nullptr, distiller); }
    int check_winword() override { return record("check_winword", 0, nullptr, wordVersion); }

    int installResult = 0;
    int uninstallResult = 0;
    bool ghostscript = false;
    bool distiller = false;
    int wordVersion = 0;

    std::vector<std::string> calls;
    std::vector<std::string> arguments;  // of the last call with an argument vector
    bool terminated = false;             // argv[argc] was null
    OutputCallback output = nullptr;
    MessageCallback message = nullptr;
    void* owner = reinterpret_cast<void*>(1);

private:
    template <typename T>
    T record(const char* name, int argc, char* argv[], T result) {
        calls.push_back(name);
        if (argv != nullptr) {
            arguments.assign(argv, argv + argc);
            terminated = argv[argc] == nullptr;
        }
        return result;
    }
};

}  // namespace vane::desk::test
