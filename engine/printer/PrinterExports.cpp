// The printer exports: install_printer -p <name> -d <driver;driver;...> and
// uninstall_printer -p <name>. Neither prints anything on success.
#include <string>

#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/Options.h"
#include "frame/ResultCodes.h"
#include "frame/TextUtil.h"
#include "printer/PrinterInstaller.h"
#include "vanecore/vanecore.h"

namespace {

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
        return VANE_ERR_ARGUMENTS;
    if (printer.empty()) {
        vane::print_message(vane::msg::kNoPrinterName);
        return VANE_ERR_ARGUMENTS;
    }
    if (drivers.empty()) {
        vane::print_message(vane::msg::kNoDriverName);
        return VANE_ERR_ARGUMENTS;
    }
    if (vane::remove_printer(printer) != vane::kPrinterRemoved) {
        vane::print_message(vane::msg::kCannotRemovePrinter, printer.c_str());
        return vane::result::kPrinterChange;
    }
    if (vane::add_printer_from_list(drivers, printer) != 0) {
        vane::print_message(vane::msg::kCannotInstallPrinter, printer.c_str(), drivers.c_str());
        return vane::result::kPrinterChange;
    }
    return 0;
}

int uninstall(int argc, char* argv[]) {
    std::string printer;
    if (!read_option('p', argc, argv, printer)) return VANE_ERR_ARGUMENTS;
    if (printer.empty()) {
        vane::print_message(vane::msg::kNoPrinterName);
        return VANE_ERR_ARGUMENTS;
    }
    if (vane::remove_printer(printer) != vane::kPrinterRemoved) {
        vane::print_message(vane::msg::kCannotRemovePrinter, printer.c_str());
        return vane::result::kPrinterChange;
    }
    return 0;
}

}  // namespace

// Nothing may escape to the host: an unexpected exception gives -1.
extern "C" VANECORE_API int install_printer(int argc, char* argv[]) {
    try {
        return install(argc, argv);
    } catch (...) {
        return VANE_ERR_EXCEPTION;
    }
}

extern "C" VANECORE_API int uninstall_printer(int argc, char* argv[]) {
    try {
        return uninstall(argc, argv);
    } catch (...) {
        return VANE_ERR_EXCEPTION;
    }
}
