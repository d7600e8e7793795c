#include "discovery/WordCheck.h"

#include <cctype>
#include <memory>

#include "word/WordBackend.h"

namespace vane {

int major_version(const std::string& versionText) {
    int value = 0;
    for (std::size_t i = 0;
         i < versionText.size() && std::isdigit(static_cast<unsigned char>(versionText[i])); ++i) {
        if (value > 100000) break;  // no real version is that long; keep the number in range
        value = value * 10 + (versionText[i] - '0');
    }
    return value;
}

int word_major_version() {
    std::unique_ptr<word::Application> app;
    try {
        app = word::word_backend().createApplication();
    } catch (...) {
        return 0;
    }
    if (!app) return 0;
    bool quitCalled = false;
    try {
        app->setVisible(false);
        // The version is read while the application still runs: once it has
        // quit there is nobody left to answer.
        const std::string version = app->version();
        quitCalled = true;
        app->quit();
        return major_version(version);
    } catch (...) {
        if (!quitCalled) {
            try {
                app->quit();
            } catch (...) {
            }
        }
        return 0;
    }
}

}  // namespace vane
