// The vane command-line host, run as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "ConsoleHost.h"
#include "MessageCatalog.h"

namespace vane {
namespace {

struct HostRun {
    int status;
    std::string out;
};

HostRun run_vane(const std::string& args, const std::string& envPrefix = "LANGUAGE= LC_ALL= LANG=C") {
    const std::string command = envPrefix + " " + VANE_EXE + " " + args + " 2>/dev/null";
    HostRun r{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(VaneHost, DisplayInfoPrintsTheBannerInEitherLanguage) {
    const HostRun en = run_vane("display_info");
    EXPECT_EQ(en.status, 0);
    EXPECT_EQ(en.out.rfind("Folivane utility version 2.08\n", 0), 0u) << en.out;
    EXPECT_NE(en.out.find("Folivane\n"), std::string::npos) << en.out;
    EXPECT_EQ(en.out.find('\r'), std::string::npos) << "console output keeps CR";

    const HostRun fr = run_vane("-language FRENCH display_info");
    EXPECT_EQ(fr.status, 0);
    EXPECT_NE(fr.out.find("Folivane utility"), std::string::npos);
    EXPECT_NE(fr.out, en.out);

    const HostRun env = run_vane("display_info", "LANGUAGE= LC_ALL= LANG=fr_FR.UTF-8");
    EXPECT_EQ(env.out, fr.out);
    const HostRun forced = run_vane("-language ENGLISH display_info", "LANGUAGE= LC_ALL= LANG=fr_FR.UTF-8");
    EXPECT_EQ(forced.out, en.out);
}

TEST(VaneHost, ExitStatus) {
    EXPECT_EQ(run_vane("--help").status, 0);
    EXPECT_NE(run_vane("--help").out.find("install_printer"), std::string::npos);
    EXPECT_EQ(run_vane("").status, 2);
    EXPECT_EQ(run_vane("no_such_export").status, 2);
    // d2h without a document fails (result -4 or not built) with the closing message.
    const HostRun d2h = run_vane("d2h");
    EXPECT_EQ(d2h.status, 1);
    EXPECT_NE(d2h.out.find("*** Process terminated with error ***"), std::string::npos) << d2h.out;
    // The Distiller does not exist on this platform.
    EXPECT_EQ(run_vane("check_distiller").status, 1);
}

// What console_output writes for one call.
std::string console(const char* f, ...) {
    va_list args;
    va_start(args, f);
    testing::internal::CaptureStdout();
    host::console_output(f, args);
    va_end(args);
    return testing::internal::GetCapturedStdout();
}

TEST(ConsoleHost, WritesCatalogueTextsWithLfLineEndsAndCutsWholeCharacters) {
    catalog::set_current_language(catalog::Language::English);
    EXPECT_EQ(console("::124"), "\nProcess terminated successfully");
    EXPECT_EQ(console("::131", "a.doc"), "\nDoc file: a.doc");
    EXPECT_EQ(console("::9999"), "");
    EXPECT_EQ(console("%d-%s\r\n\rx\n", 3, "x"), "3-x\n\rx\n");
    const std::string longText(5000, 'z');
    EXPECT_EQ(console("%s", longText.c_str()), std::string(2047, 'z'));
    // A cut inside a two-byte character drops its first byte too.
    const std::string accented = std::string(2046, 'c') + "\xC3\xA9";
    EXPECT_EQ(console("%s", accented.c_str()), std::string(2046, 'c'));
}

}  // namespace
}  // namespace vane
