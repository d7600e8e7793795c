// The spooler on CUPS, through IPP requests to the local scheduler: a printer
// is a CUPS queue, a driver is a PPD that the scheduler offers, named by its
// make-and-model, and port "FILE:" is the device file:/dev/null.
#pragma once

#include "platform/Spooler.h"

namespace vane {

class CupsSpooler final : public Spooler {
public:
    PrinterLookup lookupPrinter(const std::string& name) override;
    std::optional<int> jobCount(const std::string& name) override;
    bool setPort(const std::string& name, const std::string& port) override;
    bool deletePrinter(const std::string& name) override;
    bool addPrinter(const PrinterRecord& record) override;
    std::optional<std::vector<std::string>> listDrivers() override;
};

// The device URI that stands for a port: "FILE:" is file:/dev/null, a port
// that already is a URI is kept; anything else has no device (empty).
std::string device_uri_for_port(const std::string& port);

// True when CUPS accepts `name` as a queue name: 1 to 127 bytes, no control
// characters, blanks, "/", "\\", "?", "'", "\"" or "#".
bool valid_queue_name(const std::string& name);

}  // namespace vane
