// The environment of the d2p command tests: a spooler that knows the printers
// a test names, recorded producer starts that copy the mark file as the
// producer would have read it, instant sleeps and a test-chosen current
// directory. Installs itself while alive.
#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "MinimalPdf.h"
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
        bool watchedExisted;   // whether `watched` existed then
    };

    D2pTestEnv() : real_(Env::platform()) { set_env(this); }
    D2pTestEnv(const D2pTestEnv&) = delete;
    D2pTestEnv& operator=(const D2pTestEnv&) = delete;
    ~D2pTestEnv() override { set_env(nullptr); }

    std::string cwd = "/";
    NamedPrinters printers;
    std::string markFile;  // read at each start
    // Each start writes pdfBytes where the producer would: pdfFile when set,
    // else the output named on the producer's command line; nothing when
    // writesPdf is false.
    std::string pdfFile;
    bool writesPdf = true;
    std::string pdfBytes = minimal_pdf();
    int exitCode = 0;
    std::vector<Start> starts;
    std::string temporary;  // the temporary folder; empty: the real one
    std::string watched;    // a file whose presence each start records

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
        starts.push_back({commandLine, workingDirectory, read_file(markFile),
                          !watched.empty() && std::filesystem::exists(watched)});
        const std::string output = pdfFile.empty() ? producer_output(commandLine) : pdfFile;
        if (writesPdf && !output.empty()) write_text(output, pdfBytes);
        return std::make_unique<Ended>(exitCode);
    }
    bool makeExecutable(const std::string& path) override { return real_.makeExecutable(path); }
    std::string temporaryDirectory() override {
        return temporary.empty() ? real_.temporaryDirectory() : temporary;
    }

private:
    // The output a producer's command line names: Ghostscript's
    // "-sOutputFile=<path>" (doubled % undone) or Distiller's "/O <path>".
    static std::string producer_output(const std::string& commandLine) {
        std::string key = "-sOutputFile=";
        std::size_t start = commandLine.find(key);
        if (start == std::string::npos) {
            key = " /O \"";
            start = commandLine.find(key);
        }
        if (start == std::string::npos) return {};
        const std::size_t from = start + key.size();
        const std::size_t end = commandLine.find('"', from);
        std::string path = commandLine.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (key[0] == '-') {
            for (std::size_t at = path.find("%%"); at != std::string::npos; at = path.find("%%", at + 1))
                path.erase(at, 1);
        }
        return path;
    }

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
