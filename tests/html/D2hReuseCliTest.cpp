// "vane d2h -z" from the shell: re-splitting a kept export needs no word
// processor, so it runs for real here.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Golden.h"
#include "TempDir.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_text;

struct ShellRun {
    int status = -1;
    std::string out;
};

ShellRun shell(const std::string& command) {
    ShellRun r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string shell_quoted(const std::string& s) {
    return "'" + s + "'";
}

class D2hReuseCli : public ::testing::Test {
protected:
    D2hReuseCli() {
        fs::create_directories(site);
        write_text(document, "not read in reuse mode");
        write_text(site + "/Guide_full.html", read_file(test::golden_path("d2h/manual_full.html")));
    }
    void expectSite() const {
        for (const char* name :
             {"Guide.html", "index.html", "Guide.htm", "Guide_0.html", "Guide_1.html", "Guide_2.html",
              "Guide_3.html", "Guide_index.html", "Guide.css", "dtree.js", "dtree.css", "previous.png",
              "next.png", "img/folder.gif", "Guide_full.html"}) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(fs::is_regular_file(site + "/" + name));
        }
        EXPECT_FALSE(fs::exists(site + "/Guide_4.html"));
        EXPECT_EQ(read_file(site + "/index.html"), read_file(site + "/Guide.html"));
        EXPECT_NE(read_file(site + "/Guide.html").find("src=\"Guide_0.html\""), std::string::npos);
        EXPECT_EQ(read_file(document), "not read in reuse mode");
    }

    test::TempDir tmp;
    std::string site = tmp.file("Out Dir/Guide");
    std::string document = tmp.file("Out Dir/Guide.docx");
};

TEST_F(D2hReuseCli, AbsolutePathsWithOutputOption) {
    const ShellRun r =
        shell(std::string(VANE_EXE) + " d2h -z -o " + shell_quoted(site) + " " + shell_quoted(document));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Process terminated successfully"), std::string::npos) << r.out;
    expectSite();
}

TEST_F(D2hReuseCli, RelativeDocumentAndDefaultOutput) {
    const ShellRun r =
        shell("cd " + shell_quoted(tmp.path()) + " && " + VANE_EXE + " d2h -v -z 'Out Dir/Guide.docx'");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Doc file: " + document), std::string::npos) << r.out;
    expectSite();
}

TEST_F(D2hReuseCli, MissingExportFailsTheSplit) {
    fs::remove(site + "/Guide_full.html");
    const ShellRun r = shell(std::string(VANE_EXE) + " d2h -z " + shell_quoted(document));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("Error in splitting"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace vane
