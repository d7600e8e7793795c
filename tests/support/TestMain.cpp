// The main of every test program: fills in the locations the tests read from
// the environment (source tree, shared material, build tree) when the caller
// did not set them, then runs the tests.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void set_default(const char* name, const char* value) {
    const char* current = std::getenv(name);
    if (current != nullptr && *current != '\0') return;
#if defined(_WIN32)
    ::_putenv_s(name, value);
#else
    ::setenv(name, value, 1);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    set_default("VANE_SOURCE_DIR", VANE_SOURCE_DIR_DEFAULT);
    set_default("VANE_SHARED_DIR", VANE_SHARED_DIR_DEFAULT);
    set_default("VANE_BINARY_DIR", VANE_BINARY_DIR_DEFAULT);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
