#include "FakeSpooler.h"

namespace vane::test {

namespace {

// A child that has already ended (after one poll reporting it running).
class EndedChild final : public ChildProcess {
public:
    std::optional<int> poll() override {
        if (polls_++ == 0) return std::nullopt;
        return 0;
    }
    void kill() override {}

private:
    int polls_ = 0;
};

}  // namespace

PrinterLookup FakeSpooler::lookupPrinter(const std::string& name) {
    calls.push_back("lookup " + name);
    if (lookupFails) return PrinterLookup::Failed;
    return printers.count(name) != 0 ? PrinterLookup::Found : PrinterLookup::NotFound;
}

std::optional<int> FakeSpooler::jobCount(const std::string& name) {
    calls.push_back("jobs " + name);
    auto it = printers.find(name);
    if (jobCountFails || it == printers.end()) return std::nullopt;
    return it->second.jobs;
}

bool FakeSpooler::setPort(const std::string& name, const std::string& port) {
    calls.push_back("port " + name + " " + port);
    auto it = printers.find(name);
    if (it == printers.end()) return false;
    it->second.record.port = port;
    return true;
}

bool FakeSpooler::deletePrinter(const std::string& name) {
    calls.push_back("delete " + name);
    if (deleteRefused) return false;
    return printers.erase(name) != 0;
}

bool FakeSpooler::addPrinter(const PrinterRecord& record) {
    calls.push_back("add " + record.name + " " + record.driver);
    if (addRefusedFor.count(record.driver) != 0 || printers.count(record.name) != 0) return false;
    printers[record.name] = Printer{record, 0};
    return true;
}

std::optional<std::vector<std::string>> FakeSpooler::listDrivers() {
    calls.push_back("drivers");
    return drivers;
}

std::unique_ptr<ChildProcess> FakeSpoolerEnv::startProcess(const std::string& commandLine,
                                                           const std::string& /*workingDirectory*/) {
    started.push_back(commandLine);
    if (startFails) return nullptr;
    return std::make_unique<EndedChild>();
}

}  // namespace vane::test
