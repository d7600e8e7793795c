// The corpus gate: every document named in VANE_CORPUS_DOCUMENTS (paths under
// the shared corpus folder, separated by blanks or commas) is published with
// both commands and checked. With VANE_CORPUS_REPORT set, one row per document
// is appended to that file (scripts/corpus-check.sh builds its table from them).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
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

struct KnownFailure {
    std::string check;  // the start of the failure text
    std::string why;
};

// The entry of known_failures.txt for `document`, if any.
std::optional<KnownFailure> known_failure(const std::string& document) {
    std::ifstream in(VANE_CORPUS_KNOWN_FAILURES);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        const std::size_t tab2 = tab == std::string::npos ? tab : line.find('\t', tab + 1);
        if (tab2 == std::string::npos || line.substr(0, tab) != document) continue;
        return KnownFailure{line.substr(tab + 1, tab2 - tab - 1), line.substr(tab2 + 1)};
    }
    return std::nullopt;
}

TEST_P(Corpus, PublishesSoundly) {
    const CorpusRow row = run_->run(GetParam());
    if (const char* report = std::getenv("VANE_CORPUS_REPORT"); report != nullptr && *report != '\0') {
        std::ofstream(report, std::ios::app) << row.tsv() << '\n';
    }
    const std::optional<KnownFailure> known = known_failure(GetParam());
    std::vector<std::string> expected;
    for (const std::string& failure : row.failures) {
        if (known && failure.rfind(known->check, 0) == 0)
            expected.push_back(failure);
        else
            ADD_FAILURE() << GetParam() << ": " << failure;
    }
    if (!known) return;
    if (expected.empty()) {
        ADD_FAILURE() << GetParam() << " passes \"" << known->check
                      << "\" now: remove it from tests/corpus/known_failures.txt";
    } else if (!HasFailure()) {
        GTEST_SKIP() << "known failure (" << known->why << "): " << expected.front();
    }
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
