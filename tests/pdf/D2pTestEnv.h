// The environment of the d2p command tests: a spooler that knows the printers
// a test names, recorded producer starts that copy the mark file as the
// producer would have read it, instant sleeps and a test-chosen current
// directory. Installs itself while alive.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/Env.h"
#include "platform/Spooler.h"

namespace vane::test {

class NamedPrinters final : public Spooler {
public:
    std::set<std::string> names;
    std::vector<std::string> lookups;

    PrinterLookup lookupPrinter(const std::string& name) override {
        lookups.push_back(name);
        return names.count(name) > 0 ? PrinterLookup::Found : PrinterLookup::NotFound;
    }
    std::optional<int> jobCount(const std::string&) override { return 0; }
    bool setPort(const std::string&, const std::string&) override { return false; }
    bool deletePrinter(const std::string&) override { return false; }
    bool addPrinter(const PrinterRecord&) override { return false; }
    std::optional<std::vector<std::string>> listDrivers() override { return std::nullopt; }
};

class D2pTestEnv final : public Env {
public:
    struct Start {
        std::string commandLine;
        std::string workingDirectory;
        std::string markFile;  // the mark file's bytes when the producer started
    };

    D2pTestEnv() : real_(Env::platform()) { set_env(this); }
    D2pTestEnv(const D2pTestEnv&) = delete;
    D2pTestEnv& operator=(const D2pTestEnv&) = delete;
    ~D2pTestEnv() override { set_env(nullptr); }

    std::string cwd = "/";
    NamedPrinters printers;
    std::string markFile;  // read at each start
    std::string pdfFile;   // written with pdfBytes at each start when set
    std::string pdfBytes = "%PDF-1.4 fake\n";
    int exitCode = 0;
    std::vector<Start> starts;

    Spooler& spooler() override { return printers; }
    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string&, std::unique_ptr<NamedLock>&) override {
        return LockResult::Failed;
    }
    std::string currentDirectory() override { return cwd; }
    int processorArchitecture() override { return kArchAMD64; }
    int processId() override { return 4242; }
    void sleepMilliseconds(int) override {}
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override {
        starts.push_back({commandLine, workingDirectory, read_file(markFile)});
        if (!pdfFile.empty()) write_text(pdfFile, pdfBytes);
        return std::make_unique<Ended>(exitCode);
    }
    bool makeExecutable(const std::string& path) override { return real_.makeExecutable(path); }

private:
    class Ended final : public ChildProcess {
    public:
        explicit Ended(int code) : code_(code) {}
        std::optional<int> poll() override { return code_; }
        void kill() override {}

    private:
        int code_;
    };
    Env& real_;
};

}  // namespace vane::test
