// The printer exports: install_printer -p <name> -d <driver;driver;...> and
// uninstall_printer -p <name>. Neither prints anything on success.
#include <string>

#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/Options.h"
#include "frame/TextUtil.h"
#include "printer/PrinterInstaller.h"
#include "vanecore/vanecore.h"

namespace {

constexpr int kUnexpected = -1;
constexpr int kBadArguments = -4;
constexpr int kPrinterFailure = -15;

// The value of valued option `letter`, normalised; false when it is absent.
bool read_option(char letter, int argc, char* argv[], std::string& value) {
    if (vane::get_option(letter, argc, argv, true) != vane::kOptionPresent) return false;
    value = vane::normalize_spaces(vane::option_value(), false);
    return true;
}

int install(int argc, char* argv[]) {
    std::string printer;
    std::string drivers;
    if (!read_option('p', argc, argv, printer) || !read_option('d', argc, argv, drivers))
        return kBadArguments;
    if (printer.empty()) {
        vane::print_message(vane::msg::kNoPrinterName);
        return kBadArguments;
    }
    if (drivers.empty()) {
        vane::print_message(vane::msg::kNoDriverName);
        return kBadArguments;
    }
    if (vane::remove_printer(printer) != vane::kPrinterRemoved) {
        vane::print_message(vane::msg::kCannotRemovePrinter, printer.c_str());
        return kPrinterFailure;
    }
    if (vane::add_printer_from_list(drivers, printer) != 0) {
        vane::print_message(vane::msg::kCannotInstallPrinter, printer.c_str(), drivers.c_str());
        return kPrinterFailure;
    }
    return 0;
}

int uninstall(int argc, char* argv[]) {
    std::string printer;
    if (!read_option('p', argc, argv, printer)) return kBadArguments;
    if (printer.empty()) {
        vane::print_message(vane::msg::kNoPrinterName);
        return kBadArguments;
    }
    if (vane::remove_printer(printer) != vane::kPrinterRemoved) {
        vane::print_message(vane::msg::kCannotRemovePrinter, printer.c_str());
        return kPrinterFailure;
    }
    return 0;
}

}  // namespace

// Nothing may escape to the host: an unexpected exception gives -1.
extern "C" VANECORE_API int install_printer(int argc, char* argv[]) {
    try {
        return install(argc, argv);
    } catch (...) {
        return kUnexpected;
    }
}

extern "C" VANECORE_API int uninstall_printer(int argc, char* argv[]) {
    try {
        return uninstall(argc, argv);
    } catch (...) {
        return kUnexpected;
    }
}
