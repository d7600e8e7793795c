// The corpus gate: every document named in VANE_CORPUS_DOCUMENTS (paths under
// the shared corpus folder, separated by blanks or commas) is published with
// both commands and checked. With VANE_CORPUS_REPORT set, one row per document
// is appended to that file (scripts/corpus-check.sh builds its table from them).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CorpusRun.h"
#include "E2eRun.h"

namespace vane::test {
namespace {

std::vector<std::string> documents() {
    const char* list = std::getenv("VANE_CORPUS_DOCUMENTS");
    std::string text = list == nullptr ? "" : list;
    for (char& c : text)
        if (c == ',') c = ' ';
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string name; in >> name;) out.push_back(name);
    return out;
}

class Corpus : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        // Starting the office to read its version costs seconds per test; its program is enough here.
        officeFound_ = shell("command -v soffice").status == 0;
        if (!officeFound_) return;
        queue_ = "FolivaneCorpus_" + std::to_string(::getpid());
        const ShellRun install = vane("install_printer -p " + queue_ + " -d 'Generic PostScript Printer'");
        installed_ = install.status == 0;
        installOutput_ = install.out;
        if (installed_) run_ = std::make_unique<CorpusRun>(VANE_EXE, queue_);
    }
    static void TearDownTestSuite() {
        run_.reset();
        if (installed_) vane("uninstall_printer -p " + queue_);
        installed_ = false;
    }
    void SetUp() override {
        if (!officeFound_) GTEST_SKIP() << "no word processor: soffice is not on PATH";
        ASSERT_NE(shell("lpstat -r").out.find("scheduler is running"), std::string::npos)
            << "cupsd is not running: run tests/printer/start-cupsd.sh as root";
        ASSERT_TRUE(installed_) << installOutput_;
    }

    static inline bool officeFound_ = false;
    static inline bool installed_ = false;
    static inline std::string queue_;
    static inline std::string installOutput_;
    static inline std::unique_ptr<CorpusRun> run_;
};

TEST_P(Corpus, PublishesSoundly) {
    const CorpusRow row = run_->run(GetParam());
    if (const char* report = std::getenv("VANE_CORPUS_REPORT"); report != nullptr && *report != '\0') {
        std::ofstream(report, std::ios::app) << row.tsv() << '\n';
    }
    for (const std::string& failure : row.failures) ADD_FAILURE() << GetParam() << ": " << failure;
}

std::string test_name(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Documents, Corpus, ::testing::ValuesIn(documents()), test_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Corpus);

}  // namespace
}  // namespace vane::test
