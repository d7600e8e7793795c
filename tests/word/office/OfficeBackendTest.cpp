// vanecore finds the office module next to itself and loads it at run time;
// without the office, creating the application fails like a missing Word.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TempDir.h"
#include "vanecore/vanecore.h"
#include "word/Word.h"
#include "word/office/OfficeBackend.h"

namespace vane {
namespace {

int office_profiles() {
    int count = 0;
    for (const auto& item : std::filesystem::directory_iterator(std::filesystem::temp_directory_path())) {
        count += item.path().filename().string().rfind("vane-office-", 0) == 0 ? 1 : 0;
    }
    return count;
}

// Points TMPDIR at a directory of the test's own, so that counting profiles
// sees only this test's offices, not those of suites running in parallel.
class PrivateTemp {
public:
    PrivateTemp() : saved_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "") {
        ::setenv("TMPDIR", dir_.path().c_str(), 1);
    }
    ~PrivateTemp() {
        if (saved_.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", saved_.c_str(), 1);
    }

private:
    test::TempDir dir_;
    std::string saved_;
};

// Runs with PATH holding nothing but a shell: the office cannot be found.
class WithoutOffice {
public:
    WithoutOffice() : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        std::filesystem::create_symlink("/bin/sh", dir_.file("sh"));
        ::setenv("PATH", dir_.path().c_str(), 1);
    }
    ~WithoutOffice() { ::setenv("PATH", saved_.c_str(), 1); }

private:
    test::TempDir dir_;
    std::string saved_;
};

TEST(OfficeBackend, TheModuleLiesNextToTheEngine) {
    const std::string path = word::office_module_path();
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "libvane_office.so");
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
}

TEST(OfficeBackend, StartsTheOfficeThroughTheModule) {
    PrivateTemp temp;
    const int profiles = office_profiles();
    auto app = word::word_backend().createApplication();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->version().rfind("7.", 0), 0u) << app->version();
    // An office error raised inside the module arrives as a WordError.
    EXPECT_THROW(app->selection(), word::WordError);
    EXPECT_EQ(app->documents()->open("/nonexistent/file.docx", {}), nullptr);
    app->quit();
    EXPECT_THROW(app->documents(), word::WordError);
    app.reset();
    EXPECT_EQ(office_profiles(), profiles);
}

TEST(OfficeBackend, CheckWinwordReportsTheMajorVersion) {
    EXPECT_EQ(check_winword(), 7);
}

TEST(OfficeBackend, WithoutTheOfficeCreatingTheApplicationFailsCleanly) {
    PrivateTemp temp;
    const int profiles = office_profiles();
    WithoutOffice missing;
    EXPECT_THROW(word::word_backend().createApplication(), word::WordError);
    EXPECT_EQ(check_winword(), 0);
    EXPECT_EQ(office_profiles(), profiles);
}

}  // namespace
}  // namespace vane
