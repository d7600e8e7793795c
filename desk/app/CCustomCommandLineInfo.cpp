#include "CCustomCommandLineInfo.h"

#include <cstring>

namespace vane::desk {

CCustomCommandLineInfo::~CCustomCommandLineInfo() = default;

void CCustomCommandLineInfo::ParseCommandLine(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* param = argv[i] != nullptr ? argv[i] : "";
        // An option word never holds a "/", so "/home/x.doc" stays an absolute path.
        const bool isSwitch = param[0] == '-' || (param[0] == '/' && std::strchr(param + 1, '/') == nullptr);
        ParseParam(isSwitch ? param + 1 : param, isSwitch, i == argc - 1);
    }
}

void CCustomCommandLineInfo::ParseParam(const char* param, bool isSwitch, bool isLast) {
    if (languagePending) {
        language = param;
        languagePending = false;
        return;
    }
    if (isSwitch) {
        if (std::strcmp(param, "install") == 0)
            install = true;
        else if (std::strcmp(param, "uninstall") == 0)
            uninstall = true;
        else if (std::strcmp(param, "checkghostscript") == 0)
            checkGhostscript = true;
        else if (std::strcmp(param, "checkdistiller") == 0)
            checkDistiller = true;
        else if (std::strcmp(param, "checkwinword") == 0)
            checkWord = true;
        else if (std::strcmp(param, "language") == 0)
            languagePending = true;
    }
    if (isLast && !AnyAction()) document = param;
}

bool CCustomCommandLineInfo::AnyAction() const {
    return install || uninstall || checkGhostscript || checkDistiller || checkWord;
}

}  // namespace vane::desk
