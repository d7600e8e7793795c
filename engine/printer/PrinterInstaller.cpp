#include "printer/PrinterInstaller.h"

#include <algorithm>

#include "frame/LibraryState.h"
#include "frame/TextUtil.h"
#include "platform/Env.h"
#include "platform/Spooler.h"
#include "platform/WaitForExit.h"
#include "printer/DriverSetupCommand.h"

namespace vane {

namespace {

constexpr const char* kFilePort = "FILE:";

// Runs the set-up program and waits for it; false when it cannot be started.
// Its exit code is not used.
bool run_driver_setup(const std::string& driver, const std::string& version,
                      const std::string& windowsDirectory) {
    // A quote in the name would end the quoted argument and let the rest be
    // read as further switches of the set-up program.
    if (driver.find('"') != std::string::npos) return false;
    const std::string command =
        driver_setup_command(driver, version, state().amd64Host, state().ia64Host, windowsDirectory);
    std::unique_ptr<ChildProcess> child = env().startProcess(command, "");
    if (child == nullptr) return false;
    wait_for_exit(*child, PollSchedule{10, 1, 1000});
    return true;
}

}  // namespace

int remove_printer(const std::string& name) {
    Spooler& spooler = env().spooler();
    switch (spooler.lookupPrinter(name)) {
        case PrinterLookup::NotFound:
            return kPrinterRemoved;
        case PrinterLookup::Failed:
            // The spooler did not answer: the printer may well be there.
            return kPrinterUnreadable;
        case PrinterLookup::Found:
            break;
    }
    const std::optional<int> jobs = spooler.jobCount(name);
    if (!jobs) return kPrinterUnreadable;
    if (*jobs != 0) return kPrinterHasJobs;
    spooler.setPort(name, kFilePort);
    return spooler.deletePrinter(name) ? kPrinterRemoved : kPrinterDeleteRefused;
}

int add_printer_from_list(const std::string& drivers, const std::string& name) {
    std::string rest = drivers;
    for (;;) {
        const std::size_t separator = rest.find(';');
        std::string driver = rest.substr(0, separator);
        rest = separator == std::string::npos ? std::string() : rest.substr(separator + 1);
        driver = normalize_spaces(driver, false);
        rest = normalize_spaces(rest, false);

        if (ensure_driver(driver, "Windows 2000") == 0 || ensure_driver(driver, "Windows XP") == 0) {
            const PrinterRecord record{name, kFilePort, driver, "WinPrint", "RAW"};
            if (env().spooler().addPrinter(record)) return 0;
        }
        if (rest.empty()) return 1;
    }
}

int ensure_driver(const std::string& driver, const std::string& version) {
    Spooler& spooler = env().spooler();
    const std::string windowsDirectory = spooler.driverSetupDirectory();
    if (!windowsDirectory.empty() && !run_driver_setup(driver, version, windowsDirectory)) return 1;

    const std::optional<std::vector<std::string>> installed = spooler.listDrivers();
    if (!installed || installed->empty()) return 1;
    return std::find(installed->begin(), installed->end(), driver) != installed->end() ? 0 : 1;
}

}  // namespace vane
