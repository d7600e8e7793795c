#include "TestHost.h"

#include <cstdarg>
#include <cstdio>

#include "frame/LibraryState.h"
#include "vanecore/vanecore.h"

namespace vane::test {

namespace {

std::string g_output;

void capture(const char* format, va_list args) {
    char buffer[8192];
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (n > 0) g_output += buffer;
}

}  // namespace

TestHost::TestHost(catalog::Language language) {
    catalog::set_current_language(language);
    g_output.clear();
    InitLib(capture, catalog::copy_message, nullptr);
    state().verbose = false;
    state().silent = false;
}

TestHost::~TestHost() {
    state().output = nullptr;
    state().message = nullptr;
    catalog::set_current_language(catalog::Language::English);
}

const std::string& TestHost::output() const { return g_output; }

void TestHost::clear() { g_output.clear(); }

bool TestHost::printed(int id) const {
    const char* t = catalog::text(id, catalog::current_language());
    return t != nullptr && g_output.find(t) != std::string::npos;
}

std::string TestHost::text(int id) {
    const char* t = catalog::text(id, catalog::current_language());
    return t != nullptr ? t : "";
}

}  // namespace vane::test
