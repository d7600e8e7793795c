// Plays the host for a test: calls InitLib with a capturing output callback
// and the real catalogue, and gives back everything printed.
#pragma once

#include <string>

#include "MessageCatalog.h"

namespace vane::test {

class TestHost {
public:
    explicit TestHost(catalog::Language language = catalog::Language::English);
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;
    ~TestHost();

    // Everything printed since construction or the last clear(), formatted.
    const std::string& output() const;
    void clear();
    // True when the formatted text of message `id` (without arguments) was printed.
    bool printed(int id) const;
    // The English/current catalogue text of `id`.
    static std::string text(int id);
};

}  // namespace vane::test
