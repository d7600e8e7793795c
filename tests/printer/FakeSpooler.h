// In-memory spooler and environment for the installer's unit tests.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Env.h"
#include "platform/Spooler.h"

namespace vane::test {

class FakeSpooler final : public Spooler {
public:
    struct Printer {
        PrinterRecord record;
        int jobs = 0;
    };

    std::map<std::string, Printer> printers;
    std::optional<std::vector<std::string>> drivers = std::vector<std::string>{};
    bool lookupFails = false;
    bool jobCountFails = false;
    bool deleteRefused = false;
    std::set<std::string> addRefusedFor;  // drivers the add is refused with
    std::string setupDirectory;
    std::vector<std::string> calls;  // "operation name" in call order

    PrinterLookup lookupPrinter(const std::string& name) override;
    std::optional<int> jobCount(const std::string& name) override;
    bool setPort(const std::string& name, const std::string& port) override;
    bool deletePrinter(const std::string& name) override;
    bool addPrinter(const PrinterRecord& record) override;
    std::optional<std::vector<std::string>> listDrivers() override;
    std::string driverSetupDirectory() override { return setupDirectory; }
};

// The platform's environment with the fake spooler, instant sleeps and
// recorded (never started) child processes; installs itself while alive.
class FakeSpoolerEnv final : public Env {
public:
    FakeSpooler fake;
    std::vector<std::string> started;  // command lines given to startProcess
    bool startFails = false;

    FakeSpoolerEnv() { set_env(this); }
    FakeSpoolerEnv(const FakeSpoolerEnv&) = delete;
    FakeSpoolerEnv& operator=(const FakeSpoolerEnv&) = delete;
    ~FakeSpoolerEnv() override { set_env(nullptr); }

    Spooler& spooler() override { return fake; }
    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) override {
        return Env::platform().acquireNamedLock(name, lock);
    }
    std::string currentDirectory() override { return Env::platform().currentDirectory(); }
    int processorArchitecture() override { return kArchIntel; }
    int processId() override { return Env::platform().processId(); }
    void sleepMilliseconds(int /*ms*/) override {}
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override;
    bool makeExecutable(const std::string& path) override { return Env::platform().makeExecutable(path); }
};

}  // namespace vane::test
