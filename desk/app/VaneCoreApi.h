// The vanecore exports that the unattended actions call, behind an interface
// so that tests can replace the library.
#pragma once

#include "vanecore/vanecore.h"

namespace vane::desk {

class VaneCoreApi {
public:
    virtual ~VaneCoreApi() = default;
    virtual void InitLib(OutputCallback output, MessageCallback message, void* owner) = 0;
    virtual int install_printer(int argc, char* argv[]) = 0;
    virtual int uninstall_printer(int argc, char* argv[]) = 0;
    virtual bool check_ghostscript() = 0;
    virtual bool check_distiller() = 0;
    virtual int check_winword() = 0;
};

}  // namespace vane::desk
