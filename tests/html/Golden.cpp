#include "Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TempDir.h"

namespace vane::test {

namespace fs = std::filesystem;

std::string golden_path(const std::string& relative) {
    const char* source = std::getenv("VANE_SOURCE_DIR");
    return std::string(source != nullptr ? source : ".") + "/tests/data/html/" + relative;
}

bool updating_goldens() {
    const char* update = std::getenv("VANE_UPDATE_GOLDEN");
    return update != nullptr && std::string(update) == "1";
}

void expect_golden(const std::string& actual, const std::string& goldenFile) {
    if (updating_goldens()) {
        fs::create_directories(fs::path(goldenFile).parent_path());
        write_text(goldenFile, actual);
        return;
    }
    ASSERT_TRUE(fs::exists(goldenFile)) << "missing golden file " << goldenFile;
    EXPECT_EQ(actual, read_file(goldenFile)) << "differs from " << goldenFile;
}

namespace {

std::set<std::string> file_names(const std::string& directory, const std::set<std::string>& ignored) {
    std::set<std::string> names;
    if (!fs::is_directory(directory)) return names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && ignored.count(name) == 0) names.insert(name);
    }
    return names;
}

}  // namespace

void expect_golden_dir(const std::string& actualDir, const std::string& goldenDir,
                       const std::set<std::string>& ignored) {
    const std::set<std::string> actual = file_names(actualDir, ignored);
    if (updating_goldens()) {
        fs::remove_all(goldenDir);
        fs::create_directories(goldenDir);
    } else {
        EXPECT_EQ(actual, file_names(goldenDir, {})) << "file set differs from " << goldenDir;
    }
    for (const std::string& name : actual) {
        SCOPED_TRACE(name);
        expect_golden(read_file(actualDir + "/" + name), goldenDir + "/" + name);
    }
}

}  // namespace vane::test
