// The command line of vanedesk: the action options, the document path and
// the language value, read left to right.
#pragma once

#include <string>

namespace vane::desk {

class CCustomCommandLineInfo {
public:
    CCustomCommandLineInfo() = default;
    virtual ~CCustomCommandLineInfo();

    // Feeds argv[1] .. argv[argc - 1] to ParseParam, left to right. A
    // parameter that begins with "-" is a switch, and so is one that begins
    // with "/" and holds no other "/" (an absolute path is not a switch); the
    // text after that character is its word.
    void ParseCommandLine(int argc, const char* const argv[]);
    // One parameter (without its switch character).
    virtual void ParseParam(const char* param, bool isSwitch, bool isLast);

    // True when one of the five action options was seen.
    bool AnyAction() const;

    bool install = false;
    bool uninstall = false;
    bool checkGhostscript = false;
    bool checkDistiller = false;  // option word "checkdistiller"
    bool checkWord = false;
    std::string document;
    bool languagePending = false;  // the previous parameter was "language"
    std::string language;
};

}  // namespace vane::desk
