// VaneCoreApi answered by the vanecore library the program links against.
#pragma once

#include "VaneCoreApi.h"

namespace vane::desk {

class LinkedVaneCore final : public VaneCoreApi {
public:
    void InitLib(OutputCallback output, MessageCallback message, void* owner) override;
    int install_printer(int argc, char* argv[]) override;
    int uninstall_printer(int argc, char* argv[]) override;
    bool check_ghostscript() override;
    bool check_distiller() override;
    int check_winword() override;
};

}  // namespace vane::desk
