#include "LinkedVaneCore.h"

namespace vane::desk {

void LinkedVaneCore::InitLib(OutputCallback output, MessageCallback message, void* owner) {
    ::InitLib(output, message, owner);
}

int LinkedVaneCore::install_printer(int argc, char* argv[]) {
    return ::install_printer(argc, argv);
}

int LinkedVaneCore::uninstall_printer(int argc, char* argv[]) {
    return ::uninstall_printer(argc, argv);
}

bool LinkedVaneCore::check_ghostscript() {
    return ::check_ghostscript();
}

bool LinkedVaneCore::check_distiller() {
    return ::check_distiller();
}

int LinkedVaneCore::check_winword() {
    return ::check_winword();
}

}  // namespace vane::desk
