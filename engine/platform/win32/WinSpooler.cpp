#include "platform/win32/WinSpooler.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace vane {

namespace {

// A printer opened with full access; closed when it goes away.
class OpenedPrinter {
public:
    explicit OpenedPrinter(const std::string& name) {
        PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
        if (!OpenPrinterA(const_cast<char*>(name.c_str()), &handle_, &defaults)) {
            error_ = GetLastError();
            handle_ = nullptr;
        }
    }
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;
    ~OpenedPrinter() {
        if (handle_ != nullptr) ClosePrinter(handle_);
    }
    HANDLE handle() const { return handle_; }
    DWORD error() const { return error_; }

    // The level-2 information in a zero-filled buffer; empty when it cannot be read.
    std::vector<BYTE> information() const {
        DWORD needed = 0;
        GetPrinterA(handle_, 2, nullptr, 0, &needed);
        if (needed == 0) return {};
        std::vector<BYTE> buffer(needed, 0);
        if (!GetPrinterA(handle_, 2, buffer.data(), needed, &needed)) return {};
        return buffer;
    }

private:
    HANDLE handle_ = nullptr;
    DWORD error_ = 0;
};

}  // namespace

Spooler& Spooler::platform() {
    static WinSpooler instance;
    return instance;
}

PrinterLookup WinSpooler::lookupPrinter(const std::string& name) {
    OpenedPrinter printer(name);
    if (printer.handle() != nullptr) return PrinterLookup::Found;
    return printer.error() == ERROR_INVALID_PRINTER_NAME ? PrinterLookup::NotFound : PrinterLookup::Failed;
}

std::optional<int> WinSpooler::jobCount(const std::string& name) {
    OpenedPrinter printer(name);
    if (printer.handle() == nullptr) return std::nullopt;
    const std::vector<BYTE> information = printer.information();
    if (information.empty()) return std::nullopt;
    return static_cast<int>(reinterpret_cast<const PRINTER_INFO_2A*>(information.data())->cJobs);
}

bool WinSpooler::setPort(const std::string& name, const std::string& port) {
    OpenedPrinter printer(name);
    if (printer.handle() == nullptr) return false;
    std::vector<BYTE> information = printer.information();
    if (information.empty()) return false;
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(information.data());
    std::string portName = port;
    info->pPortName = portName.data();
    return SetPrinterA(printer.handle(), 2, information.data(), 0) != FALSE;
}

bool WinSpooler::deletePrinter(const std::string& name) {
    OpenedPrinter printer(name);
    return printer.handle() != nullptr && DeletePrinter(printer.handle()) != FALSE;
}

bool WinSpooler::addPrinter(const PrinterRecord& record) {
    std::string name = record.name;
    std::string port = record.port;
    std::string driver = record.driver;
    std::string processor = record.processor;
    std::string dataType = record.dataType;
    PRINTER_INFO_2A info{};
    info.pPrinterName = name.data();
    info.pPortName = port.data();
    info.pDriverName = driver.data();
    info.pPrintProcessor = processor.data();
    info.pDatatype = dataType.data();
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr) return false;
    ClosePrinter(printer);
    return true;
}

std::optional<std::vector<std::string>> WinSpooler::listDrivers() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrinterDriversA(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
    if (needed == 0) return std::nullopt;
    std::vector<BYTE> buffer(needed + 1, 0);
    if (!EnumPrinterDriversA(nullptr, nullptr, 1, buffer.data(), needed, &needed, &count))
        return std::nullopt;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_1A*>(buffer.data());
    std::vector<std::string> names;
    for (DWORD i = 0; i < count; ++i) {
        if (drivers[i].pName != nullptr) names.emplace_back(drivers[i].pName);
    }
    return names;
}

std::string WinSpooler::driverSetupDirectory() {
    char directory[1024];
    const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) return {};
    return std::string(directory, length);
}

}  // namespace vane
