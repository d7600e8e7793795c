// The Windows print spooler (winspool): printers by name, level-2 printer
// information, the installed printer drivers.
#pragma once

#include "platform/Spooler.h"

namespace vane {

class WinSpooler final : public Spooler {
public:
    PrinterLookup lookupPrinter(const std::string& name) override;
    std::optional<int> jobCount(const std::string& name) override;
    bool setPort(const std::string& name, const std::string& port) override;
    bool deletePrinter(const std::string& name) override;
    bool addPrinter(const PrinterRecord& record) override;
    std::optional<std::vector<std::string>> listDrivers() override;
    // The Windows directory, whose inf folder holds ntprint.inf.
    std::string driverSetupDirectory() override;
};

}  // namespace vane
