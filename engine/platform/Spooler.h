// The print spooler as vanecore uses it: printers are reached by name; a
// printer can be looked up, added with a driver and a port, told a new port,
// asked for its unfinished jobs and deleted; the spooler lists the names of
// the printer drivers it offers.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vane {

// What the installer hands to the spooler to create a printer. Fields that
// mean nothing to a spooler (print processor, data type on CUPS) are ignored.
struct PrinterRecord {
    std::string name;
    std::string port;       // "FILE:" prints to a file
    std::string driver;     // a name from listDrivers()
    std::string processor;  // print processor
    std::string dataType;
};

enum class PrinterLookup {
    Found,     // the printer exists and can be opened
    NotFound,  // no printer of that name
    Failed,    // the spooler could not answer (not running, access refused, bad name)
};

class Spooler {
public:
    virtual ~Spooler() = default;

    virtual PrinterLookup lookupPrinter(const std::string& name) = 0;
    // Unfinished (queued, held or printing) jobs; nothing when the printer's
    // information cannot be read.
    virtual std::optional<int> jobCount(const std::string& name) = 0;
    virtual bool setPort(const std::string& name, const std::string& port) = 0;
    virtual bool deletePrinter(const std::string& name) = 0;
    // True when the spooler created the printer.
    virtual bool addPrinter(const PrinterRecord& record) = 0;
    // Names of the drivers on offer; nothing when the list cannot be read.
    virtual std::optional<std::vector<std::string>> listDrivers() = 0;

    // Where drivers are installed by the system's printer set-up program, the
    // system's Windows directory (whose inf folder holds the driver catalogue);
    // empty where the spooler offers its drivers itself.
    virtual std::string driverSetupDirectory() { return {}; }

    bool canOpen(const std::string& name) { return lookupPrinter(name) == PrinterLookup::Found; }

    // The platform's spooler.
    static Spooler& platform();
};

}  // namespace vane
