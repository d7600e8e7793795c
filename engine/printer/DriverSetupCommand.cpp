#include "printer/DriverSetupCommand.h"

namespace vane {

std::string driver_setup_command(const std::string& driver, const std::string& version, bool amd64Host,
                                 bool ia64Host, const std::string& windowsDirectory) {
    std::string command = "rundll32 printui.dll,PrintUIEntry ";
    command += "/ia /m \"";
    command += driver;
    if (amd64Host)
        command += "\" /h \"x64\" /v \"";
    else if (ia64Host)
        command += "\" /h \"IA64\" /v \"";
    else
        command += "\" /h \"Intel\" /v \"";
    command += version;
    command += "\" /f \"";
    command += windowsDirectory;
    command += "\\inf\\ntprint.inf\" /u /q";
    return command;
}

}  // namespace vane
